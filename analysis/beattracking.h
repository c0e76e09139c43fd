#ifndef PLECTRONOME_BEATTRACKING_H
#define PLECTRONOME_BEATTRACKING_H

#include <vector>

// Beat tracking of the whole-track analysis: dynamic programming over the smoothed onset
// function with a beat period per frame, back-tracked from a strong late peak.
// Called by analyseTrack() after the tempo stage.

namespace analysis {

// Local maxima of x[1 .. n-2] that are above 0 (strictly above both neighbours).
struct Peaks
{
    std::vector<int> positions;  // ascending
    std::vector<float> values;
    float largest = 0.0f;        // largest peak value (0 if none)
    int largestPosition = 0;     // its frame
    int count() const { return static_cast<int>(positions.size()); }
};
Peaks findPeaks(const float *x, int n);

// Beat frames (ascending) on the onset function of `frames` values, with the beat period
// in frames for every frame. Empty only when the onset function has no peak at all.
std::vector<int> trackBeats(const float *onset, int frames, const float *period);

} // namespace analysis

#endif
