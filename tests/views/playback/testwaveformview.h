#pragma once
#include <QObject>

class TestWaveformView : public QObject
{
    Q_OBJECT
private slots:
    void newTrackOpensAtLevelFourAtItsStart();
    void levelsHaveTheirWidthsWithoutGaps();
    void zoomInStopsAtLevelSevenAndOutAtWholeTrack();
    void firstWheelStepCentresOnPointer();
    void shortcutZoomIsGuardedFor100ms();
    void canvasNeverShowsAGapAndScrollHasNoDeadSteps();
    void spikeDrawsAColumnInTheRightHalf();
    void monoDrawsAtTheHeightOfStereo();
    void progressRisesStrictly();
    void shortTracksAndNoTrackDoNotHang();
    void sessionZoomIsSanitised();
    void zoomKeepsAnOverviewPressNearTheStartInView();
    void followingPlaybackShowsTheCentreLine();
    void scrollSwitchAndSelectionPages();
    void chordEditorStaysInView();
    void frameBuildsPlacesAndWires();
    void progressBarShowsAndHides();
    void grabsOfTheWaveformFrame();
};
