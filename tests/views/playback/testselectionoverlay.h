#pragma once
#include <QObject>

class TestSelectionOverlay : public QObject
{
    Q_OBJECT
private slots:
    void samplesFollowThePointerAndStayInTheTrack();
    void snapsToBeatsAndLabelsTheirCount();
    void narrowBeatsDrawNoDarkBars();
    void staleBeatsClearTheSelection();
    void doubleClickPlaysTheLoopedSelection();
};
