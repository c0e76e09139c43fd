#include "analysis/tempoestimation.h"

#include "analysis/analysismath.h"
#include "real_time_tools/fftreal.h"

#include <algorithm>
#include <cmath>

namespace analysis {

TempoLags tempoLags(int hop, int sampleRate)
{
    TempoLags lags;
    if (hop <= 0 || sampleRate <= 0)
        return lags;
    const float h = static_cast<float>(hop);
    const float r = static_cast<float>(sampleRate);
    lags.minLag = std::max(1, roundToInt(60.0f / (h * 250.0f / r)));
    lags.maxLag = std::max(lags.minLag, roundToInt(60.0f / (h * 55.0f / r)));
    lags.scoreLength = 2 * lags.maxLag;
    lags.combEnd = std::min((hop - 5) / 4, lags.scoreLength);
    lags.lag120 = 60.0f / (h * 120.0f / r);
    return lags;
}

void autocorrelationFft(const float *block, int n, int fftLength, float *out)
{
    const int half = fftLength / 2;
    std::vector<float> padded(fftLength, 0.0f);
    std::copy(block, block + std::min(n, fftLength), padded.begin());

    FFTReal fft(fftLength);
    std::vector<float> spectrum(fftLength);
    fft.forward(spectrum.data(), padded.data());

    std::vector<float> magnitude(half), phase(half);
    toMagnitudePhase(spectrum.data(), magnitude.data(), phase.data(), fftLength);
    for (int k = 0; k < half; ++k) {
        magnitude[k] = magnitude[k] * magnitude[k];
        phase[k] = 0.0f;
    }
    std::fill(spectrum.begin(), spectrum.end(), 0.0f);
    fromMagnitudePhase(spectrum.data(), magnitude.data(), phase.data(), fftLength);
    fft.inverse(spectrum.data(), out);
}

void combFilterbank(const float *block, int hop, int n, int /*sampleRate*/, int fftLength, float *combScores,
                    float *acf, int minLag, int scoreLength)
{
    autocorrelationFft(block, n, fftLength, acf);
    std::fill(combScores, combScores + scoreLength, 0.0f);
    const int end = std::min((hop - 5) / 4, scoreLength);
    for (int d = std::max(minLag, 0); d < end; ++d) {
        float score = 0.0f;
        for (int j = 1; j <= 4; ++j) {
            float peak = 0.0f;
            const int from = std::max(j * d - (j - 1), 0);
            const int to = std::min(j * d + (j - 1), fftLength - 1);
            for (int p = from; p <= to; ++p)
                if (acf[p] > peak)
                    peak = acf[p];
            score += peak / static_cast<float>(j);
        }
        combScores[d] = score;
    }
}

float refineTempo(const float *combined, int hop, int sampleRate, const float *prior, int minLag, int scoreLength)
{
    int f = 0;
    float top = 0.0f;
    for (int k = 0; k < scoreLength; ++k) {
        if (combined[k] > top) {
            top = combined[k];
            f = k;
        }
    }
    if (f <= 0 || minLag <= 0)
        return 0.0f; // nothing periodic at all (a silent track)

    const int n = f / minLag;
    const int half = scoreLength / 2;
    std::vector<int> candidates;
    auto addWindow = [&](int centre) {
        float best = 0.0f;
        int bestLag = 0;
        for (int lag = centre - 2; lag <= centre + 2; ++lag) {
            if (lag >= 0 && lag < scoreLength && combined[lag] > best) {
                best = combined[lag];
                bestLag = lag;
            }
            candidates.push_back(bestLag);
        }
    };
    if (f > half) {
        for (int m = n; m >= 2; --m)
            addWindow(f / m);
    } else {
        for (int m = n; m >= 1; --m)
            addWindow(f / m);
        for (int j = 2; j <= half / f; ++j)
            addWindow(j * f);
    }
    while (!candidates.empty() && candidates.back() >= half)
        candidates.pop_back();

    float bestScore = 0.0f;
    int lag = 0;
    for (int c : candidates) {
        const float s = combined[c] * prior[c];
        if (s > bestScore) {
            bestScore = s;
            lag = c;
        }
    }
    if (lag <= 0)
        return 0.0f;
    return static_cast<float>(sampleRate * 60.0) / (static_cast<float>(hop) * static_cast<float>(lag) + kEpsilon);
}

int beatsPerBar(const float *acf, int n, int beatLag)
{
    auto windowMax = [&](long long centre) {
        float peak = 0.0f;
        for (long long p = centre - 2; p <= centre + 2; ++p)
            if (p >= 0 && p < n && acf[p] > peak)
                peak = acf[p];
        return peak;
    };
    const long long g = beatLag;
    int best = 2;
    float bestScore = 0.0f;
    for (int m = 2; m <= 11; ++m) {
        float score;
        if (22 * g + 2 < n)
            score = windowMax(m * g) + windowMax(2 * m * g);
        else
            score = (m * g + 2 < n) ? windowMax(m * g) : 0.0f;
        if (m == 2 || score > bestScore) {
            bestScore = score;
            best = m;
        }
    }
    return best;
}

TempoEstimate estimateTempo(const std::array<std::vector<float>, 3> &rows, int hop, int frames, int sampleRate)
{
    TempoEstimate out;
    if (frames <= 0 || hop <= 0 || sampleRate <= 0)
        return out;
    for (const auto &row : rows)
        if (static_cast<int>(row.size()) < frames)
            return out;

    const TempoLags lags = tempoLags(hop, sampleRate);
    const int k = lags.scoreLength;
    const int a = nextPowerOfTwo(frames);

    std::vector<float> combined(k, 0.0f), summedAcf(a, 0.0f);
    {
        std::vector<float> scores(k), acf(a);
        for (const auto &row : rows) {
            combFilterbank(row.data(), hop, frames, sampleRate, a, scores.data(), acf.data(), lags.minLag, k);
            float maxScore = 0.0f, maxAcf = 0.0f;
            for (float v : scores)
                maxScore = std::max(maxScore, v);
            for (float v : acf)
                maxAcf = std::max(maxAcf, v);
            for (int i = 0; i < k; ++i)
                combined[i] += scores[i] / (maxScore + kEpsilon);
            for (int i = 0; i < a; ++i)
                summedAcf[i] += acf[i] / (maxAcf + kEpsilon);
        }
    }

    return tempoFromScores(combined, summedAcf.data(), hop, frames, sampleRate);
}

TempoEstimate tempoFromScores(const std::vector<float> &combined, const float *summedAcf, int hop, int frames,
                              int sampleRate)
{
    TempoEstimate out;
    const TempoLags lags = tempoLags(hop, sampleRate);
    const int k = lags.scoreLength;
    if (frames <= 0 || k <= 1 || static_cast<int>(combined.size()) < k || summedAcf == nullptr)
        return out;

    std::vector<float> prior(k);
    const double beta = lags.lag120;
    for (int tau = 0; tau < k; ++tau)
        prior[tau] = static_cast<float>((tau / (beta * beta)) * std::exp(-(double(tau) * tau) / (2.0 * beta * beta)));

    const float tempo = refineTempo(combined.data(), hop, sampleRate, prior.data(), lags.minLag, k);
    if (!(tempo > 0.0f) || !std::isfinite(tempo))
        return out;

    const int beatLag = truncToInt(static_cast<float>(sampleRate * 60.0) / (static_cast<float>(hop) * tempo) + 0.5f);
    if (beatLag < 1)
        return out;

    // Best comb lag within +-16 % of the beat lag sets the beat period.
    const int lo = std::min(std::max(truncToInt(beatLag - 0.16 * beatLag + 0.5), 1), k - 1);
    const int hi = std::min(truncToInt(beatLag + 0.16 * beatLag + 0.5), k - 1);
    int pos = 0;
    float best = 0.0f;
    for (int i = lo; i <= hi; ++i) {
        if (combined[i] > best) {
            best = combined[i];
            pos = i - lo;
        }
    }
    const int lag = lo + pos;

    out.tempo = tempo;
    out.beatsPerBar = beatsPerBar(summedAcf, frames, beatLag);
    out.tempoPerFrame.assign(frames, static_cast<float>(sampleRate * 60.0) /
                                         (static_cast<float>(hop) * static_cast<float>(lag) + kEpsilon));
    return out;
}

} // namespace analysis
