#ifndef PLECTRONOME_ONSETDETECTION_H
#define PLECTRONOME_ONSETDETECTION_H

#include <array>
#include <vector>

class FFTReal;

// Onset detection of the whole-track analysis: framed spectra of the mono track, a
// complex-domain onset value per frame in three bands, and the zero-phase smoothing that
// turns them into the functions the tempo stage and the beat tracker read.
// Called by analyseTrack(); the pieces are public so that they can be tested one by one.

namespace analysis {

// Onset functions of a track, F values each (F = frame count).
struct OnsetFunctions
{
    int frameLength = 0;                       // N
    int hop = 0;                               // H = N/2
    int frameCount = 0;                        // F
    int smoothingWidth = 0;                    // W, frames
    std::vector<float> total;                  // onset sum over all bands
    std::array<std::vector<float>, 3> bands;   // low band, middle band, count of rising high bins
    std::vector<float> smoothedTotal;          // for the beat tracker
    std::array<std::vector<float>, 3> smoothedBands; // for the tempo stage
};

// Band edges in bins for frame length n at rate r, clamped to the spectrum's n/2 bins:
// low = bins 0 .. low200 - 1, middle = bins low200 - 1 .. min(high5000, n/2 - 1),
// high = bins high5000 .. n/2 - 1 (empty when high5000 >= n/2).
struct BandEdges
{
    int low200 = 0;
    int high5000 = 0;
};
BandEdges bandEdges(int n, int sampleRate);

// Spectral history of the onset function: previous magnitude and phase, phase two frames
// back; n/2 floats each, zero at the start of a track. Also holds the per-bin work buffer.
struct SpectralHistory
{
    explicit SpectralHistory(int bins)
        : magnitude(bins, 0.0f), phase(bins, 0.0f), phase2(bins, 0.0f), distance(bins, 0.0f)
    {
    }
    std::vector<float> magnitude, phase, phase2;
    std::vector<float> distance;
};

// Smoothing width W in frames for a rate and hop.
int smoothingWidth(int sampleRate, int hop);

// Length L of the moving mean for smoothing width W (W, or W + 1 when W is even).
inline int movingMeanLength(int width) { return (width % 2 != 0) ? width : width + 1; }

// FFTReal::forward of one windowed frame into `spectrum`, then magnitude and phase.
void spectrumFrame(FFTReal &fft, const float *windowed, float *spectrum, float *magnitude, float *phase, int n);

// Sum over bins a .. e-1 of the distance between each bin and its prediction from the
// previous magnitude and the linearly continued phase.
float complexDomainOnsetSum(const float *magnitude, const float *phase, const SpectralHistory &history,
                            int a, int e);

// Onset values of frame j: adds every band to total[j], writes the low and middle band
// to bands[0][j] and bands[1][j], counts the high bins that rose by more than 3 dB into
// bands[2][j], then moves the frame into the history.
void bandOnsetStrength(const float *magnitude, const float *phase, SpectralHistory &history, const BandEdges &edges,
                       int n, int j, std::vector<float> &total, std::array<std::vector<float>, 3> &bands);

// Direct-form IIR filter of the given order; a[0] is taken as 1. Starts from a zero state.
void filterIir(int order, const float *a, const float *b, int length, const float *x, float *y);

// Subtracts a centred moving mean of length movingMeanLength(width) and clips at 0.
// Needs count > that length; shorter inputs are left unchanged.
void subtractMovingMean(float *x, int count, int width);

// Zero-phase low-pass, clip at 0, moving-mean removal and suppression of a falling start.
// Needs count > movingMeanLength(width); shorter inputs give all zeros.
void smoothOnsetFunction(const float *x, float *y, int count, int width);

// Runs the whole onset stage on a mono track. Leaves every vector empty (frameCount 0)
// when the track is shorter than minimumFrameCount().
OnsetFunctions computeOnsetFunctions(const float *samples, int sampleRate, int sampleCount);

// Fewest frames the onset stage accepts at a rate (one more than the moving mean's length).
int minimumFrameCount(int sampleRate);

} // namespace analysis

#endif
