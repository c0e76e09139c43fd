// Measurements on rendered test signals, shared by the engine's tests and the render
// comparison bench: frequency from zero crossings and RMS level over a range of samples.
#pragma once
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
