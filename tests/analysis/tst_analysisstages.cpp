// Unit tests of the onset, tempo and beat stages and of the shared analysis helpers.
#include <QtTest>

#include "analysis/analysetrack.h"
#include "analysis/analysismath.h"
#include "analysis/batchfft.h"
#include "analysis/beattracking.h"
#include "analysis/onsetdetection.h"
#include "analysis/spectralkernels.h"
#include "analysis/tempoestimation.h"
#include "real_time_tools/fftreal.h"

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

using namespace analysis;

class TestAnalysisStages : public QObject
{
    Q_OBJECT

private slots:
    void rounding()
    {
        QCOMPARE(roundHalfAway(2.5), 3.0);
        QCOMPARE(roundHalfAway(-2.5), -3.0);
        QCOMPARE(roundHalfAway(0.5), 1.0);
        QCOMPARE(roundToInt(31.998), 32);
        QCOMPARE(roundToInt(1e30), std::numeric_limits<int>::max());
        QCOMPARE(roundToInt(std::nan("")), 0);
        // Integer next power of two, also just above a power where a float logarithm
        // could come out one step short.
        QCOMPARE(nextPowerOfTwo(1), 1);
        QCOMPARE(nextPowerOfTwo(194), 256);
        QCOMPARE(nextPowerOfTwo(4096), 4096);
        for (int k = 1; k < 30; ++k)
            QCOMPARE(nextPowerOfTwo((1 << k) + 1), 1 << (k + 1));
    }

    void hannWindowHasNoZeroEnds()
    {
        const std::vector<float> w = hanningWindow(7);
        QVERIFY(w.front() > 0.0f && w.back() > 0.0f);
        for (int i = 0; i < 7; ++i)
            QVERIFY(std::fabs(w[i] - w[6 - i]) < 1e-5f);
        QVERIFY(std::fabs(w[3] - 1.0f) < 1e-5f);
        QCOMPARE(hanningWindow(1).front(), static_cast<float>(0.5 * (1.0 - std::cos(6.28318 / 2.0))));
    }

    void magnitudePhaseLayout()
    {
        // x[n] = sin(2 pi n / N): bin 1 has magnitude N/2 and phase -pi/2 (usual convention).
        const int n = 16;
        std::vector<float> x(n), f(n), mag(n / 2), ph(n / 2), back(n), y(n);
        for (int i = 0; i < n; ++i)
            x[i] = static_cast<float>(std::sin(2.0 * M_PI * i / n)) + 0.25f * ((i % 2) ? -1.0f : 1.0f);
        FFTReal fft(n);
        fft.forward(f.data(), x.data());
        toMagnitudePhase(f.data(), mag.data(), ph.data(), n);
        QVERIFY(std::fabs(mag[1] - n / 2.0f) < 1e-4f);
        QVERIFY(std::fabs(ph[1] + M_PI / 2) < 1e-4);
        QVERIFY(std::fabs(mag[0] - 4.0f) < 1e-4f); // bin 0 carries the Nyquist term (16 * 0.25)
        fromMagnitudePhase(back.data(), mag.data(), ph.data(), n);
        for (int k = 1; k < n / 2; ++k) {
            QVERIFY(std::fabs(back[k] - f[k]) < 1e-4f);
            QVERIFY(std::fabs(back[n / 2 + k] - f[n / 2 + k]) < 1e-4f);
        }
    }

    void fastKernelsMatchTheLibrary()
    {
        // The per-bin kernels come within an ulp of the formulas with std::atan2, sin and
        // cos, and the wide and the two-lane kernels give identical results.
        const int n = 1024, half = n / 2;
        std::vector<float> spectrum(n), refMag(half), refPh(half);
        unsigned state = 12345u;
        auto next = [&state] {
            state = state * 1664525u + 1013904223u;
            return static_cast<float>(state >> 8) / 8388608.0f - 1.0f;
        };
        for (int i = 0; i < n; ++i)
            spectrum[i] = (i % 7 == 0) ? 0.0f : next() * ((i % 5 == 0) ? 1e-4f : 10.0f);
        spectrum[3] = -0.0f;
        spectrum[half + 3] = 0.0f;
        spectrum[half + 2] = std::numeric_limits<float>::quiet_NaN(); // outside the summed ranges
        toMagnitudePhase(spectrum.data(), refMag.data(), refPh.data(), n);

        SpectralHistory history(half);
        for (int k = 0; k < half; ++k) {
            history.magnitude[k] = std::fabs(next()) * 5.0f;
            history.phase[k] = next() * 3.14159f;
            history.phase2[k] = next() * 3.14159f;
        }

        std::vector<std::vector<float>> results;
        for (bool wide : {true, false}) {
            setWideKernels(wide);
            std::vector<float> mag(half), ph(half);
            magnitudePhaseFast(spectrum.data(), mag.data(), ph.data(), n);
            for (int k = 0; k < half; ++k) {
                if (k == 2) {
                    QVERIFY(std::isnan(mag[k]) && std::isnan(ph[k]));
                    continue;
                }
                QCOMPARE(mag[k], refMag[k]);
                QVERIFY2(std::fabs(ph[k] - refPh[k]) <= 2.5e-7f, qPrintable(QString::number(k)));
            }
            std::vector<float> sums;
            for (int a : {10, 5, 114})
                for (int e : {a + 1, a + 3, half}) {
                    float expected = 0.0f;
                    for (int k = a; k < e; ++k) {
                        const float y = static_cast<float>(static_cast<double>(ph[k] - 2.0f * history.phase[k] + history.phase2[k]) + kPi);
                        const double delta = y - std::floor(y / -kTwoPi) * -static_cast<double>(kTwoPi) + kPi;
                        const double re = history.magnitude[k] - mag[k] * std::cos(delta);
                        const double im = mag[k] * std::sin(delta);
                        expected += static_cast<float>(std::sqrt(re * re + im * im));
                    }
                    const float got = complexDomainOnsetSum(mag.data(), ph.data(), history, a, e);
                    QVERIFY2(std::fabs(got - expected) <= 1e-6f * std::fabs(expected), qPrintable(QString("%1 %2").arg(a).arg(e)));
                    sums.push_back(got);
                }
            mag.insert(mag.end(), ph.begin(), ph.end());
            mag.insert(mag.end(), sums.begin(), sums.end());
            results.push_back(mag);
        }
        setWideKernels(true);
        QCOMPARE(std::memcmp(results[0].data(), results[1].data(), results[0].size() * sizeof(float)), 0);
    }

    void batchedTransformMatchesFFTReal()
    {
        // Every lane's spectrum is bit for bit FFTReal's, on every vector unit, also when only
        // the first bins are kept (then those bins, their imaginary parts and the Nyquist term)
        // and when a zero upper half is not read (it holds NaN then).
        unsigned state = 777u;
        auto next = [&state] {
            state = state * 1664525u + 1013904223u;
            return static_cast<float>(state >> 8) / 8388608.0f - 1.0f;
        };
        for (bool wide : {true, false}) {
            setWideKernels(wide);
            for (int n : {8, 16, 64, 1024, 8192}) {
                for (bool zeroUpper : {false, true}) {
                    FFTReal reference(n);
                    BatchFFT batch(n);
                    const int lanes = batch.lanes();
                    QVERIFY(lanes >= 4);
                    std::vector<std::vector<float>> frames(lanes, std::vector<float>(n));
                    for (int l = 0; l < lanes; ++l)
                        for (int i = 0; i < n; ++i) {
                            // Some silent stretches and some lanes of zeros and of tiny values.
                            const float v =
                                (l == 1 || (i / 16) % 5 == 0) ? 0.0f : next() * (l == 2 ? 1e-30f : 1.0f);
                            const bool upper = zeroUpper && i >= n / 2;
                            frames[l][i] = upper ? 0.0f : v;
                            batch.input()[i * lanes + l] = upper ? std::numeric_limits<float>::quiet_NaN() : v;
                        }
                    for (int kept : {n / 2, 149, 5, 1}) {
                        if (kept > n / 2)
                            continue;
                        const float *out = batch.forward(kept, zeroUpper);
                        std::vector<float> expected(n);
                        for (int l = 0; l < lanes; ++l) {
                            reference.forward(expected.data(), frames[l].data());
                            for (int k = 0; k < kept; ++k) {
                                const float re = out[k * lanes + l];
                                const float im = out[(n / 2 + k) * lanes + l];
                                if (std::memcmp(&re, &expected[k], sizeof re) != 0
                                    || std::memcmp(&im, &expected[n / 2 + k], sizeof im) != 0)
                                    QFAIL(qPrintable(QString("n %1 kept %2 lane %3 bin %4 wide %5 zero upper %6")
                                                         .arg(n).arg(kept).arg(l).arg(k).arg(wide).arg(zeroUpper)));
                            }
                        }
                    }
                }
            }
        }
        setWideKernels(true);
        QVERIFY_EXCEPTION_THROWN(BatchFFT(4), std::invalid_argument);
        QVERIFY_EXCEPTION_THROWN(BatchFFT(1000), std::invalid_argument);
    }

    void risingBinsAtTheThreshold()
    {
        // A rise counts when 20 log10(ratio) > 3: ratios within a few ulps of 10^0.15 on
        // either side, exact and far ones, zeros and NaN, each decided as that formula says.
        const float edge = static_cast<float>(std::pow(10.0, 0.15));
        std::vector<float> ratios{0.0f, 1.0f, 1.4f, 1.5f, 100.0f, std::numeric_limits<float>::quiet_NaN()};
        float up = edge, down = edge;
        ratios.push_back(edge);
        for (int i = 0; i < 6; ++i) {
            up = std::nextafter(up, 2.0f);
            down = std::nextafter(down, 1.0f);
            ratios.push_back(up);
            ratios.push_back(down);
        }
        const int half = 64, n = 2 * half;
        for (float previousLevel : {1.0f, 0.25f, 3.0f}) {
            SpectralHistory history(half);
            std::vector<float> mag(half, 0.0f), ph(half, 0.0f);
            int expected = 0;
            for (int k = 0; k < half; ++k) {
                const float r = ratios[k % ratios.size()];
                history.magnitude[k] = previousLevel;
                mag[k] = r * previousLevel;
                const double ratio = (mag[k] + kEpsilon) / (history.magnitude[k] + kEpsilon);
                expected += 20.0 * std::log10(ratio) > 3.0;
            }
            std::vector<float> total(1, 0.0f);
            std::array<std::vector<float>, 3> bands{std::vector<float>(1), std::vector<float>(1), std::vector<float>(1)};
            BandEdges edges;
            edges.low200 = 1;
            edges.high5000 = 0;
            bandOnsetStrength(mag.data(), ph.data(), history, edges, n, 0, total, bands);
            QCOMPARE(bands[2][0], static_cast<float>(expected));
        }
    }

    void frameLayoutAndBands()
    {
        struct { int rate, n; } cases[] = {{8000, 512}, {22050, 512}, {29999, 512}, {30000, 1024},
                                          {44100, 1024}, {80000, 1024}, {80001, 2048}, {96000, 2048}};
        for (auto c : cases) {
            QCOMPARE(frameLayout(c.rate, 0).frameLength, c.n);
            QCOMPARE(frameLayout(c.rate, 0).hop, c.n / 2);
        }
        QCOMPARE(frameLayout(44100, 1023).frameCount, 0);
        QCOMPARE(frameLayout(44100, 1024).frameCount, 1);
        QCOMPARE(frameLayout(44100, 1024 + 511).frameCount, 1);
        QCOMPARE(frameLayout(44100, 1024 + 512).frameCount, 2);

        QCOMPARE(bandEdges(1024, 44100).low200, 5);
        QCOMPARE(bandEdges(1024, 44100).high5000, 115);
        QCOMPARE(smoothingWidth(44100, 512), 32);
        QCOMPARE(movingMeanLength(32), 33);
        // Below 10 kHz the 5 kHz edge would lie past the spectrum.
        QCOMPARE(bandEdges(512, 8000).high5000, 256);
        QVERIFY(bandEdges(512, 1000).low200 <= 256);
    }

    void filterAndMovingMean()
    {
        // filterIir against the difference equation written out.
        const float a[3] = {1.0f, -1.143f, 0.4128f}, b[3] = {0.0675f, 0.1349f, 0.0675f};
        std::vector<float> x = {1, 0, 0, 2, 5, -1, 0, 3}, y(8);
        filterIir(2, a, b, 8, x.data(), y.data());
        double y1 = 0, y2 = 0;
        for (int t = 0; t < 8; ++t) {
            const double v = b[0] * x[t] + (t > 0 ? b[1] * x[t - 1] : 0) + (t > 1 ? b[2] * x[t - 2] : 0) - a[1] * y1 - a[2] * y2;
            QVERIFY(std::fabs(v - y[t]) < 1e-5);
            y2 = y1;
            y1 = v;
        }

        // Moving mean of length 5 against a direct computation in the middle; a constant
        // input leaves nothing.
        std::vector<float> ramp(40), copy;
        for (int i = 0; i < 40; ++i)
            ramp[i] = static_cast<float>((i * 7) % 11);
        copy = ramp;
        subtractMovingMean(copy.data(), 40, 4);
        for (int i = 3; i <= 34; ++i) {
            const float mean = (ramp[i - 2] + ramp[i - 1] + ramp[i] + ramp[i + 1] + ramp[i + 2]) / 5.0f;
            QVERIFY(std::fabs(copy[i] - std::max(0.0f, ramp[i] - mean)) < 1e-4f);
        }
        std::vector<float> flat(40, 3.0f);
        subtractMovingMean(flat.data(), 40, 6);
        for (float v : flat)
            QCOMPARE(v, 0.0f);
        // Too short: left alone, nothing read past the end.
        std::vector<float> tiny = {1, 2, 3};
        subtractMovingMean(tiny.data(), 3, 4);
        QCOMPARE(tiny[2], 3.0f);
    }

    void smoothingDropsFallingStart()
    {
        // A loud start that decays, then one later bump: the start is not kept as an onset.
        const int n = 400;
        std::vector<float> x(n, 0.0f), y(n);
        for (int i = 0; i < 30; ++i)
            x[i] = 100.0f * (30 - i);
        for (int i = 200; i < 205; ++i)
            x[i] = 300.0f;
        smoothOnsetFunction(x.data(), y.data(), n, 10);
        QCOMPARE(y[0], 0.0f);
        QVERIFY(*std::max_element(y.begin() + 190, y.begin() + 215) > 0.0f);
    }

    void autocorrelation()
    {
        // Zero-padded to twice the length, the circular autocorrelation is the linear one
        // (times the FFT length); pairs of equal values keep the Nyquist term at 0.
        const int n = 32, len = 64;
        std::vector<float> x(n), acf(len);
        for (int i = 0; i < n; i += 2)
            x[i] = x[i + 1] = static_cast<float>((i * 13) % 7) - 3.0f;
        autocorrelationFft(x.data(), n, len, acf.data());
        for (int lag = 0; lag < n; ++lag) {
            double r = 0;
            for (int i = 0; i + lag < n; ++i)
                r += double(x[i]) * x[i + lag];
            QVERIFY2(std::fabs(acf[lag] / len - r) < 1e-2, qPrintable(QString::number(lag)));
        }
    }

    void lagsAndComb()
    {
        const TempoLags lags = tempoLags(512, 44100);
        QCOMPARE(lags.minLag, 21);
        QCOMPARE(lags.maxLag, 94);
        QCOMPARE(lags.scoreLength, 188);
        QCOMPARE(lags.combEnd, 126);
        QVERIFY(std::fabs(lags.lag120 - 43.07f) < 0.01f);

        // An impulse train of period 40 frames: the comb peaks at 40, nothing outside the range.
        const int frames = 1000, a = nextPowerOfTwo(frames);
        std::vector<float> x(frames, 0.0f), scores(188), acf(a);
        for (int i = 5; i < frames; i += 40)
            x[i] = 1.0f;
        combFilterbank(x.data(), 512, frames, 44100, a, scores.data(), acf.data(), 21, 188);
        QCOMPARE(int(std::max_element(scores.begin(), scores.end()) - scores.begin()), 40);
        for (int d = 0; d < 21; ++d)
            QCOMPARE(scores[d], 0.0f);
        for (int d = 126; d < 188; ++d)
            QCOMPARE(scores[d], 0.0f);

        // A short block: the comb windows stay inside the autocorrelation.
        std::vector<float> shortAcf(64), shortScores(188);
        combFilterbank(x.data(), 512, 50, 44100, 64, shortScores.data(), shortAcf.data(), 21, 188);
        QCOMPARE(shortScores[100], 0.0f);
    }

    void refineTempoCandidates()
    {
        const TempoLags lags = tempoLags(512, 44100);
        const int k = lags.scoreLength;
        std::vector<float> combined(k, 0.0f), prior(k);
        for (int t = 0; t < k; ++t)
            prior[t] = float((t / (lags.lag120 * lags.lag120)) * std::exp(-(double(t) * t) / (2.0 * lags.lag120 * lags.lag120)));
        // Nothing at all: no tempo (no division by zero).
        QCOMPARE(refineTempo(combined.data(), 512, 44100, prior.data(), lags.minLag, k), 0.0f);

        // Strongest lag beyond the longest lag: resolved through its half.
        combined[120] = 1.0f;
        combined[60] = 0.6f;
        float tempo = refineTempo(combined.data(), 512, 44100, prior.data(), lags.minLag, k);
        QVERIFY(std::fabs(tempo - 44100.0f * 60.0f / (512.0f * 60.0f)) < 0.01f);

        // A multiple at the longest lag or beyond never wins, even with a large score.
        std::fill(combined.begin(), combined.end(), 0.0f);
        combined[47] = 0.2f;
        combined[94] = 1.0f; // 2 x 47 = half of the score length
        tempo = refineTempo(combined.data(), 512, 44100, prior.data(), lags.minLag, k);
        QVERIFY(std::fabs(tempo - 44100.0f * 60.0f / (512.0f * 47.0f)) < 0.01f);
    }

    void beatPeriodFromTheCombNearTheTempo()
    {
        // Strongest comb score at lag 80, 0.6 at 40 and 0.7 at 45. The prior prefers 40 to 80
        // and 45 is no candidate of the refinement: the tempo is that of lag 40, but the best
        // comb lag within +-16 % of 40 (34 ... 46) is 45, which sets the beat period.
        const TempoLags lags = tempoLags(512, 44100);
        std::vector<float> combined(lags.scoreLength, 0.0f), acf(600, 0.0f);
        combined[80] = 1.0f;
        combined[40] = 0.6f;
        combined[45] = 0.7f;
        const TempoEstimate t = tempoFromScores(combined, acf.data(), 512, 600, 44100);
        auto bpm = [](int lag) { return static_cast<float>(44100 * 60.0) / (512.0f * lag + kEpsilon); };
        QCOMPARE(t.tempo, bpm(40));
        QCOMPARE(int(t.tempoPerFrame.size()), 600);
        QCOMPARE(t.tempoPerFrame.front(), bpm(45));
        QCOMPARE(t.tempoPerFrame.back(), bpm(45));
        QCOMPARE(t.beatsPerBar, 2);
        // Without any score: no tempo.
        std::fill(combined.begin(), combined.end(), 0.0f);
        QCOMPARE(tempoFromScores(combined, acf.data(), 512, 600, 44100).tempo, 0.0f);
    }

    void metre()
    {
        // Autocorrelation peaks every 3 beats (lag 40): 3 beats per bar.
        std::vector<float> acf(2000, 0.0f);
        for (int i = 40; i < 2000; i += 40)
            acf[i] = (i % 120 == 0) ? 1.0f : 0.3f;
        QCOMPARE(beatsPerBar(acf.data(), 2000, 40), 3);
        // Usable length too short for the second window: reads nothing at or past n.
        QCOMPARE(beatsPerBar(acf.data(), 130, 40), 3);
        QCOMPARE(beatsPerBar(acf.data(), 10, 40), 2);
    }

    void beatTracker()
    {
        // Onset bumps every 20 frames from frame 30 to 330; period 20 everywhere.
        const int frames = 400;
        std::vector<float> x(frames, 0.0f), period(frames, 20.0f);
        for (int c = 30; c <= 330; c += 20) {
            x[c - 1] = 0.5f;
            x[c] = 1.0f;
            x[c + 1] = 0.5f;
        }
        const std::vector<int> beats = trackBeats(x.data(), frames, period.data());
        QCOMPARE(int(beats.size()), 16);
        for (std::size_t i = 0; i < beats.size(); ++i)
            QCOMPARE(beats[i], 30 + 20 * int(i));

        // A single onset still gives its beat; a flat onset gives none.
        std::vector<float> one(frames, 0.0f);
        one[100] = 1.0f;
        QCOMPARE(trackBeats(one.data(), frames, period.data()), std::vector<int>{100});
        std::vector<float> flat(frames, 0.0f);
        QVERIFY(trackBeats(flat.data(), frames, period.data()).empty());

        const Peaks p = findPeaks(x.data(), frames);
        QCOMPARE(p.count(), 16);
        QCOMPARE(p.largestPosition, 30);
    }

    void completingTheBeatList()
    {
        // Tracked beats from 25 to 65 every 10 frames, 100 frames, period 10.
        const BeatList list = completeBeatList({25, 35, 45, 55, 65}, 100, 10.0f);
        QCOMPARE(list.addedBefore, 2);
        QCOMPARE(list.addedAfter, 3);
        const std::vector<int> expected = {5, 15, 25, 35, 45, 55, 65, 75, 85, 95};
        QCOMPARE(list.frames, expected);
        // A beat on frame 0 adds nothing before; the last added beat may reach frame F.
        const BeatList edge = completeBeatList({0, 10}, 30, 10.0f);
        QCOMPARE(edge.frames, (std::vector<int>{0, 10, 20, 30}));

        // In samples, frame e lies at (e + 1) hops, but a first beat on frame 0 at sample 0.
        QCOMPARE(beatPositions(edge.frames, 512), (std::vector<float>{0.0f, 5632.0f, 10752.0f, 15872.0f}));
        QCOMPARE(beatPositions({5, 15}, 512), (std::vector<float>{3072.0f, 8192.0f}));
        QVERIFY(beatPositions({}, 512).empty());
    }
};

QTEST_APPLESS_MAIN(TestAnalysisStages)
#include "tst_analysisstages.moc"
