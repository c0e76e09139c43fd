#ifndef PLECTRONOME_ANALYSISMATH_H
#define PLECTRONOME_ANALYSISMATH_H

#include <cmath>
#include <limits>
#include <vector>

// Numeric helpers shared by the whole-track analysis stages (onsets, tempo, beats, chroma,
// chords). The stages use these exact constants and rounding rules so that their results
// repeat bit for bit from one run to the next.

namespace analysis {

// The analysis' own value of pi (double) and of 2 pi (float), as every stage uses them.
constexpr double kPi = 3.14159;
constexpr float kTwoPi = 6.28318f;
// Guard added to denominators and to magnitudes before a ratio.
constexpr float kEpsilon = 1e-21f;

// Nearest integer with halves rounded away from zero (2.5 -> 3, -2.5 -> -3), as a double.
inline double roundHalfAway(double x) { return std::round(x); }

// Nearest integer with halves away from zero, clamped to the int range (NaN gives 0).
inline int roundToInt(double x)
{
    const double r = std::round(x);
    if (!(r == r))
        return 0;
    if (r >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

// Truncation towards zero, clamped to the int range (NaN gives 0).
inline int truncToInt(double x)
{
    if (!(x == x))
        return 0;
    if (x >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (x <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(x);
}

// Smallest power of two that is >= n (1 for n <= 1), computed in integers.
int nextPowerOfTwo(int n);

// Hann window without zero end points: w[i] = 0.5 (1 - cos(6.28318 (i + 1) / (n + 1))).
void hanningWindow(float *w, int n);
std::vector<float> hanningWindow(int n);

// Magnitude and phase of the bins 0 .. n/2 - 1 of a half-complex spectrum of length n
// (the layout of FFTReal). Bin 0 takes the Nyquist term as its imaginary part; the phase
// follows the usual e^(-i...) convention (atan2(-im, re)).
void toMagnitudePhase(const float *spectrum, float *magnitude, float *phase, int n);

// Inverse of toMagnitudePhase: re = m cos p, im = -m sin p into the half-complex layout.
// Position n/2 receives bin 0's imaginary part.
void fromMagnitudePhase(float *spectrum, const float *magnitude, const float *phase, int n);

} // namespace analysis

#endif
