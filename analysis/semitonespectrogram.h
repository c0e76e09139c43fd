#ifndef PLECTRONOME_SEMITONESPECTROGRAM_H
#define PLECTRONOME_SEMITONESPECTROGRAM_H

#include "analysis/chordframes.h"

#include <cstddef>
#include <vector>

// Semitone spectrogram of the chord frames: the steady spectral peaks between 60 and
// 800 Hz of every frame, placed on 84 semitones (7 octaves from C0 = 16.351875 Hz) after
// compensating the recording's tuning. The chord recognition builds its chroma from it.

namespace analysis {

constexpr int kSemitoneCount = 84;

struct SemitoneSpectrogram
{
    int frameCount = 0;
    float tuning = 0.0f;          // offset of the recording from the grid, in semitones
    std::vector<float> semitones; // frameCount rows of 84 values, frame after frame

    const float *frame(int z) const { return semitones.data() + static_cast<std::size_t>(z) * kSemitoneCount; }
};

// Transforms the frames in list order and returns their semitone rows.
SemitoneSpectrogram semitoneSpectrogram(const float *samples, int sampleCount, int sampleRate,
                                        const std::vector<ChordFrame> &frames);

} // namespace analysis

#endif
