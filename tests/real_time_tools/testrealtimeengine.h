#ifndef PLECTRONOME_TESTREALTIMEENGINE_H
#define PLECTRONOME_TESTREALTIMEENGINE_H

#include <QObject>

class TestRealTimeEngine : public QObject
{
    Q_OBJECT
private slots:
    void toolsOffPassInputWithFixedGainAndDelay();
    void monoTrackFeedsBothChannels();
    void pitchShiftMovesSineFrequency();
    void tempoChangesLengthNotLevel();
    void isolateMutesAndSolosPannedTone();
    void isolateFilterSideAndKnobMoveSplit();
    void curveFollowsPanning();
    void silenceStaysFinite();
    void plotScaleStaysInRange();
    void toolSwitchesKeepStoredFactors();
    void parameterMappings();
    void readsNeverLeaveTrack();
    void enginesRunSideBySide();
    void steadyHighToneKeepsLevelWhilePitchShifted();
    void transientRestartsUpperBinsByMode();
    void modeThreeLocksFurtherUp();
    void damagedSamplesSpoilOnlyAFewBlocks();
    void farSeekStaysInRange();
    void isolateWorksWithVocoder();
    void separationAndWidthSetTreatment();
    void curveInterpolatesAndDecays();
    void clearedBuffersCarryNoOldAudio();
    void vocoderSwitchesSmoothlyWhilePlaying();
    void filterSplitsAtTheKnobBin();
    void phaseResetForgetsEarlierBlocks();
    void polarHelpersRoundTrip();
    void centredMusicStaysCentred();
    void pannedSourcesKeepTheirPlace();
};

#endif
