// Sizes of every compiled-in image under :/images/, in one table.
// The image generator draws to these sizes and refuses to finish when a drawing
// differs; widget code may include this header to size its controls to the art.
// A strip holds `frames` frames of frameWidth x frameHeight, one under the other
// (frame n at y = n x frameHeight), or side by side when `horizontal` is set
// (cell n at x = n x frameWidth).
#pragma once

namespace ArtSizes {

struct ArtSize {
    const char *name;   // path below :/images/
    int frameWidth;
    int frameHeight;
    int frames;
    bool horizontal;

    constexpr int width() const { return horizontal ? frameWidth * frames : frameWidth; }
    constexpr int height() const { return horizontal ? frameHeight : frameHeight * frames; }
};

// Window areas.
constexpr ArtSize kSplash{"splashscreen.png", 500, 300, 1, false};
constexpr ArtSize kIcon{"icon_64.png", 64, 64, 1, false};
constexpr ArtSize kWaveFrame{"background_wave.png", 1000, 228, 1, false};
constexpr ArtSize kTabsBackground{"background_tabs.png", 1000, 355, 1, false};
constexpr ArtSize kTransportBackground{"background_transport.png", 1000, 91, 1, false};
constexpr ArtSize kProgressBar{"progress_bar.png", 400, 12, 1, false};
constexpr ArtSize kProgressBarBackground{"progress_bar_background.png", 400, 12, 1, false};
constexpr ArtSize kZoom{"zoom.png", 43, 18, 1, false};
constexpr ArtSize kZoomMinus{"zoom_minus.png", 43, 18, 1, false};
constexpr ArtSize kZoomPlus{"zoom_plus.png", 43, 18, 1, false};
constexpr ArtSize kTabButton1{"tab_buttons/button_1.png", 350, 25, 1, false};
constexpr ArtSize kTabButton2{"tab_buttons/button_2.png", 350, 25, 1, false};
constexpr ArtSize kTabButton3{"tab_buttons/button_3.png", 350, 25, 1, false};

// Transport bar.
constexpr ArtSize kTransportPlay{"transport/play.png", 42, 41, 3, false};
constexpr ArtSize kTransportPlayPause{"transport/play_pause.png", 42, 41, 2, false};
constexpr ArtSize kTransportStop{"transport/stop.png", 42, 41, 2, false};
constexpr ArtSize kTransportFwd{"transport/fwd.png", 42, 41, 2, false};
constexpr ArtSize kTransportBack{"transport/back.png", 42, 41, 2, false};
constexpr ArtSize kTransportLoop{"transport/loop.png", 42, 41, 2, false};
constexpr ArtSize kTransportBacking{"transport/transport_backing.png", 212, 45, 1, false};
constexpr ArtSize kTransportGrey{"transport/transport_grey.png", 212, 45, 1, false};
constexpr ArtSize kClockBacking{"transport/clock_backing.png", 212, 24, 1, false};
constexpr ArtSize kTransportKnob{"transport/transport_knob.png", 50, 50, 100, false};
constexpr ArtSize kMetronomeGrey{"transport/metronome_grey.png", 12, 12, 1, false};
constexpr ArtSize kMetronomeRed{"transport/metronome_red.png", 12, 12, 1, false};
constexpr ArtSize kVolumeLabel{"transport/volume_label.png", 64, 24, 1, false};
constexpr ArtSize kMetronomeLabel{"transport/metronome_label.png", 88, 24, 1, false};

// Real-time tools tab and the shared controls.
constexpr ArtSize kToolOverlay{"real_time_tools/tool_overlay.png", 1000, 355, 1, false};
constexpr ArtSize kKnobLarge{"real_time_tools/knob_large.png", 85, 85, 200, false};
constexpr ArtSize kKnobSmall{"real_time_tools/knob_small.png", 64, 64, 100, false};
constexpr ArtSize kSlider{"real_time_tools/slider.png", 350, 24, 100, false};
constexpr ArtSize kPowerOn{"real_time_tools/power_on.png", 25, 25, 1, false};
constexpr ArtSize kPowerOff{"real_time_tools/power_off.png", 25, 25, 1, false};
constexpr ArtSize kPowerOnSmall{"real_time_tools/power_on_small.png", 20, 20, 1, false};
constexpr ArtSize kPowerOffSmall{"real_time_tools/power_off_small.png", 20, 20, 1, false};
constexpr ArtSize kPlusMinus{"real_time_tools/plus_minus.png", 93, 20, 1, false};
constexpr ArtSize kPlusMinusUp{"real_time_tools/plus_minus_up.png", 93, 20, 1, false};
constexpr ArtSize kPlusMinusDown{"real_time_tools/plus_minus_down.png", 93, 20, 1, false};
constexpr ArtSize kPlusMinusInactive{"real_time_tools/plus_minus_inactive.png", 93, 20, 1, false};
constexpr ArtSize kFineTune{"real_time_tools/plus_minus_fine_tune.png", 93, 20, 1, false};
constexpr ArtSize kFineTuneUp{"real_time_tools/plus_minus_fine_tune_up.png", 93, 20, 1, false};
constexpr ArtSize kFineTuneDown{"real_time_tools/plus_minus_fine_tune_down.png", 93, 20, 1, false};
constexpr ArtSize kFineTuneMarker{"real_time_tools/plus_minus_fine_tune_slider.png", 5, 20, 1, false};
constexpr ArtSize kMuteSolo{"real_time_tools/mute_solo.png", 43, 18, 2, false};
constexpr ArtSize kHiLo{"real_time_tools/hi_lo.png", 43, 18, 2, false};

// Chord viewer tab, chord strip editor and chord filter.
constexpr ArtSize kChordsOverlay{"chords/chords_overlay.png", 1000, 355, 1, false};
constexpr ArtSize kChordDiagrams{"chords/chords.png", 126, 264, 84, true};
constexpr ArtSize kPowerChordDiagrams{"chords/power_chords.png", 126, 264, 84, true};
constexpr ArtSize kNeckWire{"chords/wire.png", 126, 264, 1, false};
constexpr ArtSize kNeckEbony{"chords/ebony.png", 126, 264, 1, false};
constexpr ArtSize kNeckAlder{"chords/alder.png", 126, 264, 1, false};
constexpr ArtSize kNeckMaple{"chords/maple.png", 126, 264, 1, false};
constexpr ArtSize kScrollUp{"chords/up.png", 70, 12, 2, false};
constexpr ArtSize kScrollDown{"chords/down.png", 70, 12, 2, false};
constexpr ArtSize kOpenChords{"chords/open.png", 45, 18, 2, false};
constexpr ArtSize kPowerChords{"chords/power.png", 45, 18, 2, false};
constexpr ArtSize kChordFilterButton{"chords/chord_filter_button.png", 89, 18, 2, false};
constexpr ArtSize kModesRoll{"chords/modes_roll.png", 85, 18, 7, false};
constexpr ArtSize kKeysRoll{"chords/12_chords_roll.png", 32, 18, 12, false};
constexpr ArtSize kModesPane{"chords/modes_pane.png", 101, 147, 1, false};
constexpr ArtSize kKeysPane{"chords/keys_pane.png", 64, 240, 1, false};
constexpr ArtSize kHighlightModes{"chords/highlight_modes.png", 81, 18, 1, false};
constexpr ArtSize kHighlightKeys{"chords/highlight_keys.png", 35, 18, 1, false};
constexpr ArtSize kSingleChordEdit{"chords/single_chord_edit.png", 439, 136, 1, false};
constexpr ArtSize kOrangeDot{"chords/orange_dot.png", 14, 14, 1, false};
constexpr ArtSize kCancelButton{"chords/cancel_button.png", 89, 18, 2, false};
constexpr ArtSize kReplaceButton{"chords/replace_button.png", 89, 18, 2, false};
constexpr ArtSize kReplaceAllButton{"chords/replace_all_button.png", 89, 18, 2, false};
constexpr ArtSize kChordDragLeft{"chords/chord_drag_left.png", 20, 20, 2, false};
constexpr ArtSize kChordDragRight{"chords/chord_drag_right.png", 20, 20, 2, false};
constexpr ArtSize kChordFilterMenu{"chords/chord_filter_menu.png", 265, 329, 1, false};
constexpr ArtSize kFindButton{"chords/find_button.png", 42, 16, 2, false};
constexpr ArtSize kNoneButton{"chords/none_button.png", 42, 16, 2, false};

// Riff builder tab.
constexpr ArtSize kJamOverlay{"jam/jam_overlay.png", 1000, 355, 1, false};
constexpr ArtSize kStepSelect{"jam/step_select.png", 480, 30, 16, false};
constexpr ArtSize kSongStep{"jam/song_step.png", 480, 30, 16, false};
constexpr ArtSize kWhiteStepNumbers{"jam/white_step_numbers.png", 480, 30, 1, false};
constexpr ArtSize kHighlightSteps{"jam/highlight_steps.png", 480, 30, 16, false};
constexpr ArtSize kLoopLength{"jam/loop_length.png", 480, 5, 16, false};
constexpr ArtSize kLoopLengthBall{"jam/loop_length_ball.png", 480, 10, 16, false};
constexpr ArtSize kRiffId{"jam/riff_id.png", 48, 18, 6, false};
constexpr ArtSize kRiffMenu{"jam/riff_menu.png", 45, 132, 1, false};
constexpr ArtSize kHighlightRiff{"jam/highlight_riff.png", 25, 18, 1, false};
constexpr ArtSize kBeatSelectOutline{"jam/beat_select_outline.png", 41, 37, 1, false};
constexpr ArtSize kRightClickContext{"jam/right_click_context.png", 128, 160, 1, false};

// Language flags of the preferences.
constexpr int kFlagWidth = 30;
constexpr int kFlagHeight = 20;
constexpr const char *kFlagCodes[] = {"gb", "fr", "de", "it", "nl", "dk", "fi", "no", "pt",
                                      "es", "se", "pl", "ru", "jp", "cn", "kr", "in"};
constexpr int kFlagCount = int(sizeof(kFlagCodes) / sizeof(kFlagCodes[0]));

// Every image but the flags, for walking the whole table.
constexpr const ArtSize *kAll[] = {
    &kSplash, &kIcon, &kWaveFrame, &kTabsBackground, &kTransportBackground, &kProgressBar,
    &kProgressBarBackground, &kZoom, &kZoomMinus, &kZoomPlus, &kTabButton1, &kTabButton2,
    &kTabButton3,
    &kTransportPlay, &kTransportPlayPause, &kTransportStop, &kTransportFwd, &kTransportBack,
    &kTransportLoop, &kTransportBacking, &kTransportGrey, &kClockBacking, &kTransportKnob,
    &kMetronomeGrey, &kMetronomeRed, &kVolumeLabel, &kMetronomeLabel,
    &kToolOverlay, &kKnobLarge, &kKnobSmall, &kSlider, &kPowerOn, &kPowerOff, &kPowerOnSmall,
    &kPowerOffSmall, &kPlusMinus, &kPlusMinusUp, &kPlusMinusDown, &kPlusMinusInactive,
    &kFineTune, &kFineTuneUp, &kFineTuneDown, &kFineTuneMarker, &kMuteSolo, &kHiLo,
    &kChordsOverlay, &kChordDiagrams, &kPowerChordDiagrams, &kNeckWire, &kNeckEbony,
    &kNeckAlder, &kNeckMaple, &kScrollUp, &kScrollDown, &kOpenChords, &kPowerChords,
    &kChordFilterButton, &kModesRoll, &kKeysRoll, &kModesPane, &kKeysPane, &kHighlightModes,
    &kHighlightKeys, &kSingleChordEdit, &kOrangeDot, &kCancelButton, &kReplaceButton,
    &kReplaceAllButton, &kChordDragLeft, &kChordDragRight, &kChordFilterMenu, &kFindButton,
    &kNoneButton,
    &kJamOverlay, &kStepSelect, &kSongStep, &kWhiteStepNumbers, &kHighlightSteps, &kLoopLength,
    &kLoopLengthBall, &kRiffId, &kRiffMenu, &kHighlightRiff, &kBeatSelectOutline,
    &kRightClickContext,
};
constexpr int kAllCount = int(sizeof(kAll) / sizeof(kAll[0]));

} // namespace ArtSizes
