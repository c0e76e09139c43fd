#ifndef PLECTRONOME_BATCHFFT_H
#define PLECTRONOME_BATCHFFT_H

#include "real_time_tools/fftreal.h"

// Forward transforms of several frames in one call, for the analysis stages: FFTReal's
// operations in FFTReal's order, one frame per vector lane, so that every frame's spectrum
// is bit for bit what FFTReal::forward gives for it. The lane count follows the vector unit
// chosen at construction (16 frames with AVX-512, 8 with AVX2, 4 otherwise).
// Used on the analysis thread by the onset stage and the instantaneous-frequency spectrum.
//
// Frames are interleaved: value i of lane l is at [i * lanes() + l], in the input and in the
// half-complex spectra alike.

namespace analysis {

class BatchFFT
{
public:
    // length: a power of two, 8 or more (std::invalid_argument otherwise). At most
    // `maxLanes` frames per call (4, 8 or 16; fewer when the processor's unit is narrower).
    explicit BatchFFT(int length, int maxLanes = 16);
    ~BatchFFT();
    BatchFFT(const BatchFFT &) = delete;
    BatchFFT &operator=(const BatchFFT &) = delete;

    int length() const { return m_length; }
    int lanes() const { return m_lanes; }

    // length() * lanes() floats for the caller to fill; kept between calls (all zero at first).
    float *input() { return m_input; }

    // Transforms every lane of input(). The spectra are exact for bins 0 ... keptBins - 1
    // (their real parts, imaginary parts and, for bin 0, the Nyquist term); the butterflies
    // that feed only other bins are skipped and leave those positions undefined.
    // keptBins >= length() / 2 computes everything. With `upperHalfZero` the input's upper
    // half is taken as zeros without being read (for zero-padded frames).
    const float *forward(int keptBins, bool upperHalfZero = false);
    const float *forward() { return forward(m_length / 2); }

private:
    FFTReal m_tables;
    int m_length;
    int m_lanes;
    int m_unit;
    float *m_input = nullptr;
    float *m_output = nullptr;
    float *m_work = nullptr;
};

} // namespace analysis

#endif
