// The metronome click: 1024 mono float samples at 44100 Hz, built into the program.
// MainWindow hands it to the AudioPlayer at start-up.
#pragma once

constexpr int metronomeClickLength = 1024;
extern const float *const metronomeClickSamples;
