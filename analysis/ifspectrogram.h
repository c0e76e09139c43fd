#ifndef PLECTRONOME_IFSPECTROGRAM_H
#define PLECTRONOME_IFSPECTROGRAM_H

#include "analysis/batchfft.h"
#include "analysis/chordframes.h"

#include <vector>

// Instantaneous-frequency spectrum of the chord frames, up to 800 Hz: for each frame the
// magnitude of every bin, its frequency from the phase advance since the frame before, and
// a flag telling whether the bin agrees with its neighbours (part of a steady partial).
// The semitone spectrogram steps through the frames in list order; the transforms run
// several frames ahead at a time, and only up to the kept bins.

namespace analysis {

class IfSpectrogram
{
public:
    // The frames of `frames` over `sampleCount` samples at `samples` (both must outlive it).
    IfSpectrogram(int sampleRate, const float *samples, int sampleCount, const std::vector<ChordFrame> &frames);

    // Bins kept per frame: those up to 800 Hz (at most the 4096 bins of the transform).
    int binCount() const { return m_bins; }

    // Moves to the next frame of the list (4096 samples from its start, samples outside
    // 0 ... count - 1 read as zero). Fills magnitude(), frequency() (Hz) and stable() for it.
    void next();

    const std::vector<float> &magnitude() const { return m_magnitude; }
    const std::vector<float> &frequency() const { return m_frequency; }
    const std::vector<unsigned char> &stable() const { return m_stable; }

private:
    void transformAhead();

    int m_sampleRate;
    int m_bins;
    const float *m_samples;
    int m_sampleCount;
    const std::vector<ChordFrame> &m_frames;
    int m_next = 0;               // list index of the frame next() moves to
    int m_lane = 0;               // its lane in the current batch
    BatchFFT m_fft;               // kChordFftLength; the second half of every input is zero padding
    const float *m_spectra = nullptr;
    std::vector<float> m_window;
    std::vector<float> m_phase;
    std::vector<float> m_previousPhase;
    std::vector<float> m_magnitude;
    std::vector<float> m_frequency;
    std::vector<unsigned char> m_consistent;
    std::vector<unsigned char> m_stable;
};

} // namespace analysis

#endif
