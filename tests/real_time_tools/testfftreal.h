#ifndef PLECTRONOME_TESTFFTREAL_H
#define PLECTRONOME_TESTFFTREAL_H

#include <QObject>

class TestFFTReal : public QObject
{
    Q_OBJECT
private slots:
    void matchesDoubleDftForEveryLength();
    void inverseOfForwardIsLengthTimesSignal();
    void impulseAndSineLandInLayout();
    void rejectsLengthsThatAreNotPowersOfTwo();
    void instancesAreIndependent();
};

#endif
