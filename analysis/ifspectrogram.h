#ifndef PLECTRONOME_IFSPECTROGRAM_H
#define PLECTRONOME_IFSPECTROGRAM_H

#include "analysis/chordframes.h"
#include "real_time_tools/fftreal.h"

#include <vector>

// Instantaneous-frequency spectrum of the chord frames, up to 800 Hz: for each frame the
// magnitude of every bin, its frequency from the phase advance since the frame before, and
// a flag telling whether the bin agrees with its neighbours (part of a steady partial).
// The semitone spectrogram feeds it the frames in list order, one at a time.

namespace analysis {

class IfSpectrogram
{
public:
    explicit IfSpectrogram(int sampleRate);

    // Bins kept per frame: those up to 800 Hz (at most the 4096 bins of the transform).
    int binCount() const { return m_bins; }

    // Transforms the next frame (4096 samples from `start`, samples outside 0 ... count - 1
    // read as zero). Fills magnitude(), frequency() (Hz) and stable() for it.
    void next(const float *samples, int sampleCount, int start);

    const std::vector<float> &magnitude() const { return m_magnitude; }
    const std::vector<float> &frequency() const { return m_frequency; }
    const std::vector<unsigned char> &stable() const { return m_stable; }

private:
    int m_sampleRate;
    int m_bins;
    FFTReal m_fft;
    std::vector<float> m_window;
    std::vector<float> m_input;    // kChordFftLength, second half stays zero
    std::vector<float> m_spectrum; // kChordFftLength
    std::vector<float> m_phase;
    std::vector<float> m_previousPhase;
    std::vector<float> m_magnitude;
    std::vector<float> m_frequency;
    std::vector<unsigned char> m_consistent;
    std::vector<unsigned char> m_stable;
};

} // namespace analysis

#endif
