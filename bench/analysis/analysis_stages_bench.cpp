// Timings of the analysis stages on a generated 4-minute click track at 44.1 kHz
// (BM_AnalyseTrack includes the chord stages).
#include "analysis/analysetrack.h"
#include "analysis/beattracking.h"
#include "analysis/onsetdetection.h"
#include "analysis/tempoestimation.h"
#include "tests/analysis/clicktrack.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

const testsignal::ClickTrack &track()
{
    static const testsignal::ClickTrack t = [] {
        testsignal::ClickOptions o;
        o.bpm = 126.0;
        o.seconds = 240.0;
        o.noiseLevel = 0.05f;
        return testsignal::makeClickTrack(o);
    }();
    return t;
}

void setRealTime(benchmark::State &state)
{
    state.counters["x_realtime"] = benchmark::Counter(double(track().samples.size()) / track().sampleRate,
                                                      benchmark::Counter::kIsIterationInvariantRate);
}

void BM_OnsetDetection(benchmark::State &state)
{
    const auto &t = track();
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::computeOnsetFunctions(t.samples.data(), t.sampleRate, int(t.samples.size())));
    setRealTime(state);
}

void BM_TempoEstimation(benchmark::State &state)
{
    const auto &t = track();
    const auto on = analysis::computeOnsetFunctions(t.samples.data(), t.sampleRate, int(t.samples.size()));
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::estimateTempo(on.smoothedBands, on.hop, on.frameCount, t.sampleRate));
    setRealTime(state);
}

void BM_BeatTracking(benchmark::State &state)
{
    const auto &t = track();
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
    const auto &t = track();
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

void BM_AnalyseTrack(benchmark::State &state)
{
    const auto &t = track();
    TrackAnalysis r;
    for (auto _ : state) {
        analyseTrack(r, t.samples.data(), t.sampleRate, int(t.samples.size()));
        benchmark::DoNotOptimize(r.beats.data());
    }
    setRealTime(state);
}

} // namespace

BENCHMARK(BM_OnsetDetection)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TempoEstimation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BeatTracking)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TempoAndBeats)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalyseTrack)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
