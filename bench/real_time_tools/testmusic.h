#ifndef PLECTRONOME_BENCH_TESTMUSIC_H
#define PLECTRONOME_BENCH_TESTMUSIC_H

// A generated stereo song for the render benches: plucked notes with harmonics panned
// across the image, a centred bass line and noise hits on the beat, at 44100 Hz.

#include "wavfile.h"

WavFile makeTestMusic(int seconds);

#endif
