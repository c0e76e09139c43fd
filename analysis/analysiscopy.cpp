#include "analysis/analysiscopy.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace analysis {

namespace {

// Far beyond any real recording (full scale is 1): such values come from damaged files
// and would overflow the spectra.
constexpr float kLargestUsableSample = 1.0e6f;

float usable(float x)
{
    return std::fabs(x) <= kLargestUsableSample ? x : 0.0f; // false for NaN too
}

float monoSample(const float *left, const float *right, std::size_t i)
{
    if (!right)
        return usable(left[i]);
    return (usable(left[i]) + usable(right[i])) * 0.5f;
}

// Windowed-sinc low-pass for decimation by factor: passes up to 0.9 of the new Nyquist
// frequency, unit gain at DC.
std::vector<float> decimationFilter(int factor)
{
    const int half = 8 * factor;
    const double cutoff = 0.45 / factor; // cycles per input sample
    const double pi = 3.14159265358979323846;
    std::vector<double> taps(std::size_t(2 * half + 1));
    double sum = 0.0;
    for (int k = -half; k <= half; ++k) {
        const double x = 2.0 * cutoff * k;
        const double sinc = k == 0 ? 1.0 : std::sin(pi * x) / (pi * x);
        const double w = 0.42 + 0.5 * std::cos(pi * k / (half + 1)) + 0.08 * std::cos(2.0 * pi * k / (half + 1));
        taps[std::size_t(k + half)] = sinc * w;
        sum += sinc * w;
    }
    std::vector<float> out(taps.size());
    for (std::size_t i = 0; i < taps.size(); ++i)
        out[i] = static_cast<float>(taps[i] / sum);
    return out;
}

} // namespace

int analysisDecimation(int sampleRate)
{
    if (sampleRate <= maximumAnalysisRate)
        return 1;
    return (sampleRate + maximumAnalysisRate - 1) / maximumAnalysisRate;
}

int analysisRate(int sampleRate, int factor)
{
    if (factor <= 1)
        return sampleRate;
    return static_cast<int>(std::lround(double(sampleRate) / factor));
}

int analysisLength(int frameCount, int factor)
{
    if (frameCount <= 0)
        return 0;
    return factor <= 1 ? frameCount : frameCount / factor;
}

void makeAnalysisCopy(const float *left, const float *right, int frameCount, int factor, float *out)
{
    if (!left || !out || frameCount <= 0)
        return;
    if (factor <= 1) {
        for (std::size_t i = 0; i < std::size_t(frameCount); ++i)
            out[i] = monoSample(left, right, i);
        return;
    }

    const std::vector<float> filter = decimationFilter(factor);
    const int half = int(filter.size() / 2);
    const int length = analysisLength(frameCount, factor);
    // The mono signal is made once per chunk, with the filter's reach on both sides.
    const int chunk = 1 << 15;
    std::vector<float> mono;
    for (int first = 0; first < length; first += chunk) {
        const int last = std::min(length, first + chunk);
        const long long from = (long long)first * factor - half;
        const long long to = (long long)(last - 1) * factor + half; // inclusive
        mono.assign(std::size_t(to - from + 1), 0.0f);
        for (long long i = std::max(0LL, from); i <= std::min(to, (long long)frameCount - 1); ++i)
            mono[std::size_t(i - from)] = monoSample(left, right, std::size_t(i));
        for (int j = first; j < last; ++j) {
            const float *x = mono.data() + ((long long)j * factor - half - from);
            float acc = 0.0f;
            for (std::size_t k = 0; k < filter.size(); ++k)
                acc += filter[k] * x[k];
            out[j] = acc;
        }
    }
}

} // namespace analysis
