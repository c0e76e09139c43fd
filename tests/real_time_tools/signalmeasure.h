// Measurements on rendered test signals, shared by the engine's tests and the render
// comparison bench: frequency from zero crossings, RMS level and the low-band coherence of
// two channels over a range of samples.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

// Frequency from upward zero crossings between from and to, interpolated linearly.
inline double measureFrequency(const std::vector<float> &y, std::size_t from, std::size_t to, double rate = 44100.0)
{
    double first = -1.0, last = -1.0;
    int cycles = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        if (y[i - 1] < 0.0f && y[i] >= 0.0f) {
            const double t = (i - 1) + (-y[i - 1]) / (y[i] - y[i - 1]);
            if (first < 0.0)
                first = t;
            else
                ++cycles;
            last = t;
        }
    }
    return cycles > 0 ? cycles * rate / (last - first) : 0.0;
}

inline double rms(const std::vector<float> &y, std::size_t from, std::size_t to)
{
    double s = 0.0;
    for (std::size_t i = from; i < to; ++i)
        s += static_cast<double>(y[i]) * y[i];
    return to > from ? std::sqrt(s / (to - from)) : 0.0;
}

// Both signals low-passed below cutoff (windowed-sinc FIR), then their correlation over
// from..to: 1 when the low band of the two is the same up to a gain, 0 when unrelated, -1
// when inverted. Summed over the whole range this equals the real part of the normalised
// cross-spectrum below the cutoff.
inline double lowBandCoherence(const std::vector<float> &a, const std::vector<float> &b, std::size_t from,
                               std::size_t to, double cutoff = 1000.0, double rate = 44100.0)
{
    const int half = 127;
    std::vector<double> h(2 * half + 1);
    const double fc = cutoff / rate;
    for (int k = -half; k <= half; ++k) {
        const double sinc = k == 0 ? 2.0 * fc : std::sin(2.0 * M_PI * fc * k) / (M_PI * k);
        h[k + half] = sinc * (0.54 + 0.46 * std::cos(M_PI * k / half));
    }
    const std::size_t end = std::min(to, std::min(a.size(), b.size()));
    double ab = 0.0, aa = 0.0, bb = 0.0;
    for (std::size_t i = from + half; i + half < end; ++i) {
        double x = 0.0, y = 0.0;
        for (int k = 0; k <= 2 * half; ++k) {
            x += h[k] * a[i + k - half];
            y += h[k] * b[i + k - half];
        }
        ab += x * y;
        aa += x * x;
        bb += y * y;
    }
    return aa > 0.0 && bb > 0.0 ? ab / std::sqrt(aa * bb) : 0.0;
}
