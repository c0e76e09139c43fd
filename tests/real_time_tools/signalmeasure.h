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

// y low-passed below cutoff by a 255-tap windowed-sinc filter, aligned with y; the first and
// last 127 samples are left at zero.
inline std::vector<float> lowPassed(const std::vector<float> &y, double cutoff, double rate = 44100.0)
{
    const int half = 127;
    std::vector<double> h(2 * half + 1);
    const double fc = cutoff / rate;
    for (int k = -half; k <= half; ++k) {
        const double sinc = k == 0 ? 2.0 * fc : std::sin(2.0 * M_PI * fc * k) / (M_PI * k);
        h[k + half] = sinc * (0.54 + 0.46 * std::cos(M_PI * k / half));
    }
    std::vector<float> out(y.size(), 0.0f);
    for (std::size_t i = half; i + half < y.size(); ++i) {
        double v = 0.0;
        for (int k = 0; k <= 2 * half; ++k)
            v += h[k] * y[i + k - half];
        out[i] = static_cast<float>(v);
    }
    return out;
}

// Correlation of the two signals below cutoff over from..to: 1 when their low bands are the
// same up to a gain, 0 when unrelated, -1 when inverted. Summed over the whole range this
// equals the real part of the normalised cross-spectrum below the cutoff.
inline double lowBandCoherence(const std::vector<float> &a, const std::vector<float> &b, std::size_t from,
                               std::size_t to, double cutoff = 1000.0, double rate = 44100.0)
{
    const std::vector<float> x = lowPassed(a, cutoff, rate), y = lowPassed(b, cutoff, rate);
    const std::size_t end = std::min(to, std::min(x.size(), y.size()));
    double ab = 0.0, aa = 0.0, bb = 0.0;
    for (std::size_t i = from; i < end; ++i) {
        ab += static_cast<double>(x[i]) * y[i];
        aa += static_cast<double>(x[i]) * x[i];
        bb += static_cast<double>(y[i]) * y[i];
    }
    return aa > 0.0 && bb > 0.0 ? ab / std::sqrt(aa * bb) : 0.0;
}
