// Where the live widgets lie under (or over) the generator's backgrounds and overlays,
// in the coordinates of the image that frames them. The drawings keep these places
// clear or build their panels around them.
#pragma once

namespace ArtLayout {

struct Box {
    int x, y, w, h;
    constexpr int right() const { return x + w; }
    constexpr int bottom() const { return y + h; }
    constexpr double cx() const { return x + w / 2.0; }
    constexpr double cy() const { return y + h / 2.0; }
};

// Waveform frame (1000 x 228): the views it lies over stay see-through.
constexpr Box kWaveView{59, 18, 884, 156};
constexpr Box kOverview{59, 182, 884, 28};
constexpr Box kZoomButtons{60, 148, 43, 18};
constexpr Box kScrollSwitch{908, 147, 20, 20};

// Tab area (1000 x 355) shared by the three tab faceplates.
constexpr Box kTabButtons{325, 12, 350, 25};
constexpr Box kFaceplate{40, 46, 920, 298};

// Real-time tools tab.
constexpr Box kTempoKnob{141, 94, 85, 85};
constexpr Box kPitchKnob{782, 94, 85, 85};
constexpr Box kWidthKnob{379, 242, 64, 64};
constexpr Box kSeparationKnob{469, 242, 64, 64};
constexpr Box kFilterKnob{555, 242, 64, 64};
constexpr Box kAzimuthSlider{326, 200, 350, 24};
constexpr Box kTempoPower{70, 300, 25, 25};
constexpr Box kPitchPower{701, 300, 25, 25};
constexpr Box kIsolatePower{322, 300, 25, 25};
constexpr Box kIsolatePlot{343, 84, 316, 101};
constexpr Box kMuteSoloSwitch{328, 264, 43, 18};
constexpr Box kHiLoSwitch{628, 264, 43, 18};
constexpr Box kBpmReadout{141, 228, 93, 20};
constexpr Box kModeReadout{141, 272, 93, 20};
constexpr Box kSemitoneReadout{781, 228, 93, 20};
constexpr Box kFineTuneReadout{781, 272, 93, 20};

// Chord viewer tab.
constexpr Box kKeyShiftReadout{583, 81, 93, 20};
constexpr Box kTempoReadout{583, 128, 93, 20};
constexpr Box kOpenButton{585, 177, 45, 18};
constexpr Box kPowerButton{629, 177, 45, 18};
constexpr Box kNeckChooser{583, 225, 93, 20};
constexpr Box kCapoReadout{583, 298, 93, 20};
constexpr Box kCurrentChord{336, 53, 126, 264};
constexpr Box kNextChord{483, 62, 87, 178};
constexpr Box kFinderChord{756, 78, 122, 217};
constexpr Box kBeatsToNext{480, 262, 94, 25};
constexpr Box kKeysRoll{756, 55, 32, 18};
constexpr Box kModesRoll{798, 56, 85, 18};
constexpr Box kChordList{79, 66, 222, 222};
constexpr Box kScrollUpButton{157, 58, 61, 12};
constexpr Box kScrollDownButton{157, 305, 61, 12};

// Riff builder tab.
constexpr Box kJamPower{62, 307, 25, 25};
constexpr Box kRiffPlay{182, 94, 42, 41};
constexpr Box kSongPlay{182, 245, 42, 41};
constexpr Box kBeatOffsetKnob{787, 94, 64, 64};
constexpr Box kRiffChooser{325, 79, 48, 18};
constexpr Box kLoopBar{261, 150, 480, 10};
constexpr Box kSongRow{261, 257, 480, 30};
constexpr Box kStepRow{261, 112, 480, 30};
constexpr Box kPitchLabel{713, 78, 28, 20};

// Transport bar (1000 x 91).
constexpr Box kVolumeKnob{799, 13, 50, 50};
constexpr Box kMetronomeKnob{159, 13, 50, 50};
constexpr Box kMetronomeLamp{207, 53, 12, 12};
constexpr Box kVolumeLabel{791, 61, 64, 24};
constexpr Box kMetronomeLabel{139, 60, 88, 24};

// Chord editor (439 x 136) and chord filter (265 x 329).
constexpr int kEditDotX0 = 82, kEditDotDx = 20;
constexpr int kEditDotY[7] = {20, 34, 49, 64, 79, 94, 109};
constexpr int kFilterDotX[7] = {63, 81, 99, 118, 136, 154, 172};
constexpr int kFilterDotY0 = 104, kFilterDotDy = 16;

} // namespace ArtLayout
