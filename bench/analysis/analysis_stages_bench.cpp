// Timings of the analysis stages on a generated 4-minute click track at 44.1 and 96 kHz
// (BM_AnalyseTrack includes the chord stages).
#include "analysis/analysetrack.h"
#include "analysis/batchfft.h"
#include "analysis/beattracking.h"
#include "analysis/onsetdetection.h"
#include "analysis/spectralkernels.h"
#include "analysis/tempoestimation.h"
#include "real_time_tools/fftreal.h"
#include "tests/analysis/clicktrack.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>

namespace {

// The track at the rate given as the benchmark's argument (made once per rate).
const testsignal::ClickTrack &track(int rate)
{
    static std::map<int, testsignal::ClickTrack> tracks;
    auto it = tracks.find(rate);
    if (it == tracks.end()) {
        testsignal::ClickOptions o;
        o.bpm = 126.0;
        o.seconds = 240.0;
        o.noiseLevel = 0.05f;
        o.sampleRate = rate;
        it = tracks.emplace(rate, testsignal::makeClickTrack(o)).first;
    }
    return it->second;
}

const testsignal::ClickTrack &track(const benchmark::State &state) { return track(int(state.range(0))); }

void setRealTime(benchmark::State &state)
{
    const auto &t = track(state);
    state.counters["x_realtime"] = benchmark::Counter(double(t.samples.size()) / t.sampleRate,
                                                      benchmark::Counter::kIsIterationInvariantRate);
}

void BM_OnsetDetection(benchmark::State &state)
{
    const auto &t = track(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::computeOnsetFunctions(t.samples.data(), t.sampleRate, int(t.samples.size())));
    setRealTime(state);
}

void BM_TempoEstimation(benchmark::State &state)
{
    const auto &t = track(state);
    const auto on = analysis::computeOnsetFunctions(t.samples.data(), t.sampleRate, int(t.samples.size()));
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::estimateTempo(on.smoothedBands, on.hop, on.frameCount, t.sampleRate));
    setRealTime(state);
}

void BM_BeatTracking(benchmark::State &state)
{
    const auto &t = track(state);
    const auto on = analysis::computeOnsetFunctions(t.samples.data(), t.sampleRate, int(t.samples.size()));
    const auto est = analysis::estimateTempo(on.smoothedBands, on.hop, on.frameCount, t.sampleRate);
    std::vector<float> period(on.frameCount);
    for (int k = 0; k < on.frameCount; ++k)
        period[k] = float(std::round(t.sampleRate * 60.0 / (on.hop * double(est.tempoPerFrame[k]))));
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::trackBeats(on.smoothedTotal.data(), on.frameCount, period.data()));
    setRealTime(state);
}

// Onsets, tempo, metre and beats: the whole analysis without the chord stages.
void BM_TempoAndBeats(benchmark::State &state)
{
    const auto &t = track(state);
    for (auto _ : state) {
        const auto on = analysis::computeOnsetFunctions(t.samples.data(), t.sampleRate, int(t.samples.size()));
        const auto est = analysis::estimateTempo(on.smoothedBands, on.hop, on.frameCount, t.sampleRate);
        std::vector<float> period(on.frameCount);
        for (int k = 0; k < on.frameCount; ++k)
            period[k] = float(std::round(t.sampleRate * 60.0 / (on.hop * double(est.tempoPerFrame[k]) + 1e-21)));
        benchmark::DoNotOptimize(analysis::trackBeats(on.smoothedTotal.data(), on.frameCount, period.data()));
    }
    setRealTime(state);
}

// The same with the two-lane kernels only (processors without AVX2).
void BM_TempoAndBeatsTwoLanes(benchmark::State &state)
{
    analysis::setWideKernels(false);
    BM_TempoAndBeats(state);
    analysis::setWideKernels(true);
}

// One call of the batched transform (several frames) against FFTReal on as many frames:
// arguments length, lanes at most and kept bins (fewer than all: zero-padded input, as the
// chord frames); the counter is the time per frame.
void BM_BatchFFT(benchmark::State &state)
{
    const int n = int(state.range(0));
    analysis::BatchFFT batch(n, int(state.range(1)));
    for (int i = 0; i < n * batch.lanes(); ++i)
        batch.input()[i] = float((i * 7919) % 1000) / 1000.0f - 0.5f;
    const int kept = int(state.range(2));
    for (auto _ : state)
        benchmark::DoNotOptimize(batch.forward(kept, kept < n / 2));
    state.counters["us_per_frame"] = benchmark::Counter(double(batch.lanes()) * 1e-6,
                                                        benchmark::Counter::kIsIterationInvariantRate |
                                                            benchmark::Counter::kInvert);
}

void BM_FFTReal(benchmark::State &state)
{
    const int n = int(state.range(0));
    FFTReal fft(n);
    std::vector<float> x(n), f(n);
    for (int i = 0; i < n; ++i)
        x[i] = float((i * 7919) % 1000) / 1000.0f - 0.5f;
    for (auto _ : state) {
        fft.forward(f.data(), x.data());
        benchmark::DoNotOptimize(f.data());
    }
    state.counters["us_per_frame"] =
        benchmark::Counter(1e-6, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_AnalyseTrack(benchmark::State &state)
{
    const auto &t = track(state);
    TrackAnalysis r;
    for (auto _ : state) {
        analyseTrack(r, t.samples.data(), t.sampleRate, int(t.samples.size()));
        benchmark::DoNotOptimize(r.beats.data());
    }
    setRealTime(state);
}

} // namespace

BENCHMARK(BM_OnsetDetection)->Arg(44100)->Arg(96000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TempoEstimation)->Arg(44100)->Arg(96000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BeatTracking)->Arg(44100)->Arg(96000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TempoAndBeats)->Arg(44100)->Arg(96000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TempoAndBeatsTwoLanes)->Arg(44100)->Arg(96000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchFFT)
    ->Args({1024, 4, 512})->Args({1024, 8, 512})->Args({1024, 16, 512})
    ->Args({8192, 4, 4096})->Args({8192, 8, 4096})->Args({8192, 16, 4096})
    ->Args({8192, 8, 149})->Args({8192, 16, 149});
BENCHMARK(BM_FFTReal)->Arg(1024)->Arg(8192);
BENCHMARK(BM_AnalyseTrack)->Arg(44100)->Arg(96000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
