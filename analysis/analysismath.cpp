#include "analysis/analysismath.h"

namespace analysis {

int nextPowerOfTwo(int n)
{
    int p = 1;
    while (p < n && p <= std::numeric_limits<int>::max() / 2)
        p <<= 1;
    return p;
}

void hanningWindow(float *w, int n)
{
    for (int i = 0; i < n; ++i)
        w[i] = static_cast<float>(0.5 * (1.0 - std::cos(6.28318 * (i + 1) / (n + 1))));
}

std::vector<float> hanningWindow(int n)
{
    std::vector<float> w(n > 0 ? n : 0);
    hanningWindow(w.data(), static_cast<int>(w.size()));
    return w;
}

void toMagnitudePhase(const float *spectrum, float *magnitude, float *phase, int n)
{
    const int half = n / 2;
    for (int k = 0; k < half; ++k) {
        const double re = spectrum[k];
        const double im = spectrum[half + k]; // for k = 0 this is the Nyquist term
        magnitude[k] = static_cast<float>(std::sqrt(re * re + im * im));
        phase[k] = static_cast<float>(std::atan2(-im, re));
    }
}

void fromMagnitudePhase(float *spectrum, const float *magnitude, const float *phase, int n)
{
    const int half = n / 2;
    for (int k = 0; k < half; ++k) {
        const double m = magnitude[k];
        const double p = phase[k];
        spectrum[k] = static_cast<float>(m * std::cos(p));
        spectrum[half + k] = static_cast<float>(-m * std::sin(p));
    }
}

} // namespace analysis
