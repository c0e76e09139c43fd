#include "analysis/onsetdetection.h"

#include "analysis/analysetrack.h"
#include "analysis/analysismath.h"
#include "analysis/batchfft.h"
#include "analysis/spectralkernels.h"
#include "real_time_tools/fftreal.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

namespace {

// Sums of `lanes` interleaved rows over positions from ... to - 1, each lane in position order.
void laneSums(const float *values, int lanes, int from, int to, float *sums)
{
    for (int l = 0; l < lanes; ++l)
        sums[l] = 0.0f;
    for (int k = from; k < to; ++k) {
        const float *row = values + static_cast<long>(k) * lanes;
        for (int l = 0; l < lanes; ++l)
            sums[l] += row[l];
    }
}

// The smallest float above x, and the smallest at or above x.
float floatAbove(double x)
{
    float f = static_cast<float>(x);
    if (static_cast<double>(f) <= x)
        f = std::nextafter(f, std::numeric_limits<float>::infinity());
    return f;
}

float floatAtOrAbove(double x)
{
    float f = static_cast<float>(x);
    if (static_cast<double>(f) < x)
        f = std::nextafter(f, std::numeric_limits<float>::infinity());
    return f;
}

template <int Lanes>
int countRisingRows(const float *magnitude, const float *previous, int lanes, long first, long end, float above,
                    float below, int *rising)
{
    const int count = Lanes > 0 ? Lanes : lanes;
    int close = 0;
    for (long i = first; i < end; i += count) {
        for (int l = 0; l < count; ++l) {
            const float ratio = (magnitude[i + l] + kEpsilon) / (previous[i + l] + kEpsilon);
            rising[l] += ratio >= above;
            close += (ratio < above) & (ratio >= below);
        }
    }
    return close;
}

// Adds to rising[l] the positions from ... to - 1 of lane l whose magnitude rose by more
// than 3 dB over the previous one: 20 log10(ratio) > 3. The logarithm is taken only for
// ratios close to 10^0.15; all others are decided by the ratio itself. The ratio is a float,
// so comparing it with a double threshold is comparing it with the nearest float beyond.
void countRisingBins(const float *magnitude, const float *previous, int lanes, int from, int to, int *rising)
{
    static const double threeDecibels = std::pow(10.0, 0.15);
    static const double clearlyAbove = threeDecibels * (1.0 + 1e-9);
    static const double clearlyBelow = threeDecibels * (1.0 - 1e-9);
    static const float above = floatAbove(clearlyAbove);   // ratio > clearlyAbove
    static const float below = floatAtOrAbove(clearlyBelow); // ratio >= clearlyBelow
    const long first = static_cast<long>(from) * lanes;
    const long end = static_cast<long>(to) * lanes;
    int close = 0;
    switch (lanes) {
    case 4:
        close = countRisingRows<4>(magnitude, previous, lanes, first, end, above, below, rising);
        break;
    case 8:
        close = countRisingRows<8>(magnitude, previous, lanes, first, end, above, below, rising);
        break;
    case 16:
        close = countRisingRows<16>(magnitude, previous, lanes, first, end, above, below, rising);
        break;
    default:
        close = countRisingRows<0>(magnitude, previous, lanes, first, end, above, below, rising);
        break;
    }
    if (close == 0)
        return;
    for (long i = first; i < end; i += lanes) {
        for (int l = 0; l < lanes; ++l) {
            const float ratio = (magnitude[i + l] + kEpsilon) / (previous[i + l] + kEpsilon);
            if (ratio < above && ratio >= below)
                rising[l] += 20.0 * std::log10(static_cast<double>(ratio)) > 3.0;
        }
    }
}

} // namespace

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
        laneSums(distance, 1, from, to, &sum);
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

    int rising = 0;
    countRisingBins(magnitude, history.magnitude.data(), 1, k5000, half, &rising);
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

    // The frames go through the transform several at a time, one per lane, and stay
    // interleaved (bin k of lane l at [k * lanes + l]) through the per-bin work: every value
    // is computed by the same operations as frame by frame.
    {
        BatchFFT fft(n);
        const int lanes = fft.lanes();
        const std::vector<float> window = hanningWindow(n);
        const BandEdges edges = bandEdges(n, sampleRate);
        const int k200 = edges.low200;
        const int k5000 = edges.high5000;
        const std::size_t size = static_cast<std::size_t>(half) * lanes;
        // This batch's magnitudes and phases, the last batch's (zero before the first frame),
        // and for every lane those of the frame before it and the phase two frames back.
        std::vector<float> mag(size), phase(size), lastMag(size, 0.0f), lastPhase(size, 0.0f);
        std::vector<float> mag1(size), phase1(size), phase2(size), distance(size);
        std::vector<float> low(lanes), middle(lanes), high(lanes);
        std::vector<int> rising(lanes);
        for (int j0 = 0; j0 < frames; j0 += lanes) {
            const int count = std::min(lanes, frames - j0);
            float *in = fft.input();
            for (int l = 0; l < count; ++l) {
                const float *src = samples + static_cast<long long>(j0 + l) * hop;
                for (int i = 0; i < n; ++i)
                    in[static_cast<long>(i) * lanes + l] = src[i] * window[i];
            }
            // Lanes past the last frame keep old input; their results are not used.
            const float *spectra = fft.forward();
            magnitudePhaseFast(spectra, mag.data(), phase.data(), n * lanes);

            for (std::size_t row = 0; row < size; row += lanes) {
                mag1[row] = lastMag[row + lanes - 1];
                phase1[row] = lastPhase[row + lanes - 1];
                phase2[row] = lastPhase[row + lanes - 2];
                phase2[row + 1] = lastPhase[row + lanes - 1];
                for (int l = 1; l < lanes; ++l) {
                    mag1[row + l] = mag[row + l - 1];
                    phase1[row + l] = phase[row + l - 1];
                }
                for (int l = 2; l < lanes; ++l)
                    phase2[row + l] = phase[row + l - 2];
            }
            complexDomainDistances(mag.data(), phase.data(), mag1.data(), phase1.data(), phase2.data(), 0,
                                   static_cast<int>(size), distance.data());

            laneSums(distance.data(), lanes, 0, k200, low.data());
            laneSums(distance.data(), lanes, std::max(k200 - 1, 0), std::min(k5000, half - 1) + 1, middle.data());
            laneSums(distance.data(), lanes, k5000, half, high.data());
            std::fill(rising.begin(), rising.end(), 0);
            countRisingBins(mag.data(), mag1.data(), lanes, k5000, half, rising.data());
            for (int l = 0; l < count; ++l) {
                const int j = j0 + l;
                out.total[j] += low[l];
                out.bands[0][j] = low[l];
                out.total[j] += middle[l];
                out.bands[1][j] = middle[l];
                out.total[j] += high[l];
                out.bands[2][j] += static_cast<float>(rising[l]);
            }
            mag.swap(lastMag);
            phase.swap(lastPhase);
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
