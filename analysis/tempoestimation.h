#ifndef PLECTRONOME_TEMPOESTIMATION_H
#define PLECTRONOME_TEMPOESTIMATION_H

#include <array>
#include <vector>

// Tempo and metre of a whole track from its three smoothed onset band rows: FFT
// autocorrelation, a four-harmonic comb over the beat lags, a prior centred on 120 BPM and
// a refinement over sub-multiples and multiples of the best lag; then the number of beats
// per bar. Called by analyseTrack() before the beat tracker. Lags are counted in frames.

namespace analysis {

// Lag ranges for a hop and rate.
struct TempoLags
{
    int minLag = 0;     // shortest lag (250 BPM)
    int maxLag = 0;     // longest lag (55 BPM)
    int scoreLength = 0; // K = 2 * maxLag
    int combEnd = 0;    // comb lags are minLag .. combEnd - 1
    float lag120 = 0.0f; // lag of 120 BPM, with its fraction
};
TempoLags tempoLags(int hop, int sampleRate);

// Autocorrelation of n values by an FFT of length fftLength (>= n, power of two) into
// `out` (fftLength floats), unscaled.
void autocorrelationFft(const float *block, int n, int fftLength, float *out);

// Comb scores (scoreLength floats) of one onset row and its autocorrelation (fftLength
// floats). Scores outside minLag .. min((hop - 5)/4, scoreLength) - 1 are 0; the comb
// windows never read past the autocorrelation.
void combFilterbank(const float *block, int hop, int n, int sampleRate, int fftLength, float *combScores, float *acf,
                    int minLag, int scoreLength);

// Best tempo in BPM from the combined comb scores and the prior (scoreLength floats each).
// 0 when no candidate lag has a positive score.
float refineTempo(const float *combined, int hop, int sampleRate, const float *prior, int minLag, int scoreLength);

// Beats per bar (2 ... 11) from the summed autocorrelation (n usable values) and the beat
// lag. Reads nothing at or past index n.
int beatsPerBar(const float *acf, int n, int beatLag);

struct TempoEstimate
{
    float tempo = 0.0f;                 // BPM; 0 when the track has no tempo
    std::vector<float> tempoPerFrame;   // one value per frame (empty when tempo is 0)
    int beatsPerBar = 0;                // 2 ... 11 (0 when tempo is 0)
};

// Tempo stage over the three smoothed band rows of `frames` values each.
TempoEstimate estimateTempo(const std::array<std::vector<float>, 3> &rows, int hop, int frames, int sampleRate);

// Second half of the tempo stage, from the combined comb scores (scoreLength floats of
// tempoLags()) and the summed autocorrelation (at least `frames` floats): the tempo of the
// refined lag, the beats per bar at that lag, and a per-frame tempo from the best comb lag
// within +-16 % of it, which sets the beat period.
TempoEstimate tempoFromScores(const std::vector<float> &combined, const float *summedAcf, int hop, int frames,
                              int sampleRate);

} // namespace analysis

#endif
