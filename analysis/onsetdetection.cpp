#include "analysis/onsetdetection.h"

#include "analysis/analysetrack.h"
#include "analysis/analysismath.h"
#include "analysis/spectralkernels.h"
#include "real_time_tools/fftreal.h"

#include <algorithm>
#include <cmath>

namespace analysis {

BandEdges bandEdges(int n, int sampleRate)
{
    const int half = n / 2;
    BandEdges e;
    if (sampleRate <= 0 || half < 1)
        return e;
    const float k200 = std::ceil(200.0f * static_cast<float>(n) / static_cast<float>(sampleRate));
    const float k5000 = static_cast<float>(n) * 5000.0f / static_cast<float>(sampleRate) + 0.5f - 1.0f;
    // Low rates put 5 kHz (and at absurd rates even 200 Hz) past the last bin: keep both
    // edges inside the spectrum.
    e.low200 = std::min(std::max(truncToInt(k200), 1), half);
    e.high5000 = std::min(std::max(truncToInt(k5000), 0), half);
    return e;
}

int smoothingWidth(int sampleRate, int hop)
{
    if (hop <= 0)
        return 0;
    return std::max(0, roundToInt(0.3715 * sampleRate / hop));
}

void spectrumFrame(FFTReal &fft, const float *windowed, float *spectrum, float *magnitude, float *phase, int n)
{
    fft.forward(spectrum, windowed);
    magnitudePhaseFast(spectrum, magnitude, phase, n);
}

float complexDomainOnsetSum(const float *magnitude, const float *phase, const SpectralHistory &history,
                            int a, int e)
{
    if (e <= a)
        return 0.0f;
    std::vector<float> distance(e - a);
    complexDomainDistances(magnitude, phase, history.magnitude.data(), history.phase.data(), history.phase2.data(),
                           a, e, distance.data());
    float sum = 0.0f;
    for (float d : distance)
        sum += d;
    return sum;
}

void bandOnsetStrength(const float *magnitude, const float *phase, SpectralHistory &history, const BandEdges &edges,
                       int n, int j, std::vector<float> &total, std::array<std::vector<float>, 3> &bands)
{
    const int half = n / 2;
    const int k200 = edges.low200;
    const int k5000 = edges.high5000;

    // Every bin's distance once; the bands then sum their ranges in bin order.
    float *distance = history.distance.data();
    complexDomainDistances(magnitude, phase, history.magnitude.data(), history.phase.data(), history.phase2.data(), 0,
                           half, distance);
    auto bandSum = [distance](int from, int to) {
        float sum = 0.0f;
        for (int k = from; k < to; ++k)
            sum += distance[k];
        return sum;
    };

    const float low = bandSum(0, k200);
    total[j] += low;
    bands[0][j] = low;

    const float middle = bandSum(std::max(k200 - 1, 0), std::min(k5000, half - 1) + 1);
    total[j] += middle;
    bands[1][j] = middle;

    const float high = bandSum(k5000, half);
    total[j] += high;

    // A rise of more than 3 dB: 20 log10(ratio) > 3. The logarithm is taken only for
    // ratios close to 10^0.15; all others are decided by the ratio itself.
    static const double threeDecibels = std::pow(10.0, 0.15);
    static const double clearlyAbove = threeDecibels * (1.0 + 1e-9);
    static const double clearlyBelow = threeDecibels * (1.0 - 1e-9);
    const float *prevMag = history.magnitude.data();
    int rising = 0;
    for (int k = k5000; k < half; ++k) {
        const double ratio = (magnitude[k] + kEpsilon) / (prevMag[k] + kEpsilon);
        rising += ratio > clearlyAbove;
        if (ratio <= clearlyAbove && ratio >= clearlyBelow)
            rising += 20.0 * std::log10(ratio) > 3.0;
    }
    bands[2][j] += static_cast<float>(rising);

    std::copy(history.phase.begin(), history.phase.end(), history.phase2.begin());
    std::copy(phase, phase + half, history.phase.begin());
    std::copy(magnitude, magnitude + half, history.magnitude.begin());
}

void filterIir(int order, const float *a, const float *b, int length, const float *x, float *y)
{
    for (int t = 0; t < length; ++t) {
        double acc = 0.0;
        for (int k = 0; k <= order && k <= t; ++k)
            acc += static_cast<double>(b[k]) * x[t - k];
        for (int k = 1; k <= order && k <= t; ++k)
            acc -= static_cast<double>(a[k]) * y[t - k];
        y[t] = static_cast<float>(acc);
    }
}

void subtractMovingMean(float *x, int count, int width)
{
    const int len = movingMeanLength(width);
    const int h = len / 2;
    if (len < 1 || count <= len)
        return;

    std::vector<float> curve(count);
    long double sum = 0.0L;
    for (int i = 0; i < len; ++i)
        sum += x[i];
    const float mean = static_cast<float>(sum / len);
    for (int i = 0; i <= h; ++i)
        curve[i] = mean;
    for (int i = h + 1; i <= count - len - 1; ++i) {
        sum -= x[i - h - 1];
        sum += x[i + h];
        curve[i] = static_cast<float>(sum / len);
    }
    for (int i = count - len; i < count; ++i)
        curve[i] = curve[count - len - 1];
    for (int i = 0; i < count; ++i)
        x[i] = std::max(0.0f, x[i] - curve[i]);
}

void smoothOnsetFunction(const float *x, float *y, int count, int width)
{
    if (count <= 0)
        return;
    if (count <= movingMeanLength(width)) {
        std::fill(y, y + count, 0.0f);
        return;
    }

    // Remove the integer part of the floor so that the filter starts near zero.
    std::vector<float> in(x, x + count);
    const float lowest = *std::min_element(in.begin(), in.end());
    const float offset = static_cast<float>(truncToInt(lowest));
    for (float &v : in)
        v -= offset;

    static const float b[3] = {0.0675f, 0.1349f, 0.0675f};
    static const float a[3] = {1.0f, -1.143f, 0.4128f};
    std::vector<float> pass(count);
    filterIir(2, a, b, count, in.data(), pass.data());
    std::reverse(pass.begin(), pass.end());
    filterIir(2, a, b, count, pass.data(), in.data());
    std::reverse(in.begin(), in.end());

    for (int i = 0; i < count; ++i)
        y[i] = std::max(0.0f, in[i]);

    subtractMovingMean(y, count, width);

    // A track that starts loud and falls is not an onset at frame 0.
    int peak = -1;
    float best = 0.0f;
    for (int i = 0; i < count; ++i) {
        if (y[i] > best) {
            best = y[i];
            peak = i;
        }
    }
    if (peak == 0) {
        const int last = std::min(6 * width - 1, count - 2);
        for (int i = 1; i <= last; ++i) {
            if (y[i + 1] > y[i]) {
                std::fill(y, y + i, 0.0f);
                break;
            }
        }
    }
}

int minimumFrameCount(int sampleRate)
{
    const FrameLayout layout = frameLayout(sampleRate, 0);
    return movingMeanLength(smoothingWidth(sampleRate, layout.hop)) + 1;
}

OnsetFunctions computeOnsetFunctions(const float *samples, int sampleRate, int sampleCount)
{
    OnsetFunctions out;
    const FrameLayout layout = frameLayout(sampleRate, sampleCount);
    out.frameLength = layout.frameLength;
    out.hop = layout.hop;
    if (samples == nullptr || sampleRate <= 0 || layout.frameCount < minimumFrameCount(sampleRate))
        return out;

    const int n = layout.frameLength;
    const int hop = layout.hop;
    const int frames = layout.frameCount;
    const int half = n / 2;
    out.frameCount = frames;
    out.smoothingWidth = smoothingWidth(sampleRate, hop);

    out.total.assign(frames, 0.0f);
    for (auto &row : out.bands)
        row.assign(frames, 0.0f);

    {
        FFTReal fft(n);
        const std::vector<float> window = hanningWindow(n);
        std::vector<float> frame(n), spectrum(n), magnitude(half), phase(half);
        SpectralHistory history(half);
        const BandEdges edges = bandEdges(n, sampleRate);
        for (int j = 0; j < frames; ++j) {
            const float *src = samples + static_cast<long long>(j) * hop;
            for (int i = 0; i < n; ++i)
                frame[i] = src[i] * window[i];
            spectrumFrame(fft, frame.data(), spectrum.data(), magnitude.data(), phase.data(), n);
            bandOnsetStrength(magnitude.data(), phase.data(), history, edges, n, j, out.total, out.bands);
        }
    }

    for (int b = 0; b < 3; ++b) {
        out.smoothedBands[b].assign(frames, 0.0f);
        smoothOnsetFunction(out.bands[b].data(), out.smoothedBands[b].data(), frames, out.smoothingWidth);
    }
    out.smoothedTotal.assign(frames, 0.0f);
    smoothOnsetFunction(out.total.data(), out.smoothedTotal.data(), frames, out.smoothingWidth);
    return out;
}

} // namespace analysis
