#pragma once
#include <QObject>

class TestIsolatePlot : public QObject
{
    Q_OBJECT
private slots:
    void offShowsNothingAndTimerFollowsPower();
    void realCurveOfRightPannedToneRisesOnTheRight();
    void centreLineReachesBothEdges();
    void shortOrBrokenCurvesSpanThePlot();
    void fullSeparationEmptiesTheBand();
    void percentReadoutsFadeInHoldAndOut();
    void toolsTabDrivesThePlotFromThePlayer();
};
