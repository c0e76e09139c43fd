#pragma once

#include <QObject>

// Devices, the push output stream under SDL's dummy and disk drivers, the fallback to the
// dummy driver, concurrent free and push, and the source stream's WAV encoders.
class TestOutput : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void versionOptionsAndErrors();
    void deviceNumbersAndList();
    void freeingTheNoSoundDeviceKeepsTheOutput();
    void pushStreamDrainsOncePlaying();
    void pauseStopAndActivity();
    void diskDriverGetsExactlyWhatWasPushed();
    void fallsBackToDummyDriver();
    void freeWhileAnotherThreadPushes();
    void wavFileEncoder();
};
