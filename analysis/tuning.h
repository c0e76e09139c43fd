#ifndef PLECTRONOME_TUNING_H
#define PLECTRONOME_TUNING_H

#include <vector>

// Tuning of a recording: how far, in semitones, its notes sit from the equal-tempered
// grid on A = 440 Hz. The semitone spectrogram collects the deviation of every spectral
// peak and asks for the offset here before it places the peaks on semitones.

namespace analysis {

struct TuningHistogram
{
    std::vector<int> counts;    // one per bin
    std::vector<float> centres; // centre value of each bin
};

// Histogram of `values` over `binCount` equal bins from their lowest to their highest
// value; the highest value goes to the last bin. With no values, or all values equal
// (a width of 0), every value is counted in bin 0, whose centre is the lowest value.
TuningHistogram tuningHistogram(const std::vector<float> &values, int binCount = 100);

// The tuning offset in semitones: the centre of the first fullest bin of a 100-bin
// histogram of the deviations (each between -0.5 and 0.5). 0 when there is no deviation.
float tuningOffset(const std::vector<float> &deviations);

} // namespace analysis

#endif
