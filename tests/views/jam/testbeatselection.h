#pragma once
#include <QObject>

class TestBeatSelection : public QObject
{
    Q_OBJECT
private slots:
    void doubleClicksArmAndCommitSteps();
    void refusalsAndTheBeatCap();
    void loopLengthAndExtending();
    void dragsMoveOneStepOrTheWholeRiff();
    void reorderStartsAtTheChosenStep();
    void stepsOnOneBeatStack();
    void clearAndAClampedRestore();
};
