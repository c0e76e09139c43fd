// Timings of the chord stages on a generated 4-minute chord progression at 44.1 kHz,
// on its known beats: frame layout and semitone spectrogram, chroma, the whole
// recogniser, and the whole analysis of the same track.
#include "analysis/analysetrack.h"
#include "analysis/chordframes.h"
#include "analysis/chordrecognition.h"
#include "analysis/chroma.h"
#include "analysis/semitonespectrogram.h"
#include "tests/analysis/chordsynth.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int kHop = 512;

const chordsynth::Track &track()
{
    static const chordsynth::Track t = [] {
        chordsynth::Options o;
        o.bpm = 120.0;
        o.repeats = 30; // 30 x 16 beats of 0.5 s = 240 s
        return chordsynth::progression(chordsynth::popProgression(), o);
    }();
    return t;
}

std::vector<int> beatFrames()
{
    std::vector<int> frames;
    for (double b : track().beats)
        frames.push_back(static_cast<int>(std::lround(b / kHop)));
    return frames;
}

int chordPeriod() { return static_cast<int>(std::lround(track().beatLength / kHop)); }

void setRealTime(benchmark::State &state)
{
    state.counters["x_realtime"] = benchmark::Counter(double(track().samples.size()) / track().sampleRate,
                                                      benchmark::Counter::kIsIterationInvariantRate);
}

void BM_SemitoneSpectrogram(benchmark::State &state)
{
    const auto &t = track();
    const analysis::ChordFrameList l = analysis::chordFrames(beatFrames(), kHop, chordPeriod(), int(t.samples.size()));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            analysis::semitoneSpectrogram(t.samples.data(), int(t.samples.size()), t.sampleRate, l.frames));
    state.counters["frames"] = double(l.frames.size());
    setRealTime(state);
}

void BM_Chroma(benchmark::State &state)
{
    const auto &t = track();
    const analysis::ChordFrameList l = analysis::chordFrames(beatFrames(), kHop, chordPeriod(), int(t.samples.size()));
    const analysis::SemitoneSpectrogram s =
        analysis::semitoneSpectrogram(t.samples.data(), int(t.samples.size()), t.sampleRate, l.frames);
    for (auto _ : state) {
        const std::vector<analysis::Chroma> frames = analysis::frameChroma(s);
        benchmark::DoNotOptimize(analysis::beatChroma(frames, l.frames, int(t.beats.size())));
    }
    setRealTime(state);
}

void BM_RecogniseChords(benchmark::State &state)
{
    const auto &t = track();
    const std::vector<int> beats = beatFrames();
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::recogniseChords(t.samples.data(), int(t.samples.size()), t.sampleRate,
                                                           beats, kHop, chordPeriod(), 4));
    setRealTime(state);
}

void BM_AnalyseTrackWithChords(benchmark::State &state)
{
    const auto &t = track();
    for (auto _ : state) {
        TrackAnalysis r;
        analyseTrack(r, t.samples.data(), t.sampleRate, int(t.samples.size()));
        benchmark::DoNotOptimize(r);
    }
    setRealTime(state);
}

} // namespace

BENCHMARK(BM_SemitoneSpectrogram)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Chroma)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecogniseChords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalyseTrackWithChords)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
