// Cost of one 1024-frame block of the real-time engine in each mode, and of the 4096-point FFT.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "real_time_tools/fftreal.h"
#include "real_time_tools/realtimeengine.h"

namespace {

const int kLength = 30 * 44100;

// A stereo test track: a few panned partials and some noise.
struct Track
{
    std::vector<float> L, R;
    Track() : L(kLength), R(kLength)
    {
        std::mt19937 gen(3);
        std::normal_distribution<float> noise(0.0f, 0.02f);
        const double freqs[] = {110.0, 220.5, 331.0, 440.0, 587.3, 880.0, 1320.0, 2637.0};
        for (int i = 0; i < kLength; ++i) {
            double l = 0.0, r = 0.0;
            for (int k = 0; k < 8; ++k) {
                const double v = 0.08 * std::sin(2.0 * M_PI * freqs[k] * i / 44100.0);
                l += v * (k + 1) / 9.0;
                r += v * (8 - k) / 9.0;
            }
            L[i] = static_cast<float>(l) + noise(gen);
            R[i] = static_cast<float>(r) + noise(gen);
        }
    }
};

const Track &track()
{
    static Track t;
    return t;
}

enum Mode { Off, Tempo, Pitch, Isolate, AllOn };

void BM_Block(benchmark::State &state)
{
    const Track &t = track();
    RealTimeEngine e;
    e.setAudioData(t.L.data(), t.R.data(), kLength);
    const int mode = static_cast<int>(state.range(0));
    if (mode == Tempo || mode == AllOn) {
        e.setHop(1.25f);
        e.activateTempo(false);
    }
    if (mode == Pitch || mode == AllOn) {
        e.setInterp(static_cast<float>(std::pow(2.0, 3.0 / 12.0)));
        e.activatePitch(false);
    }
    if (mode == Isolate || mode == AllOn) {
        e.setAzimuth(70);
        e.setSeparation(99);
        e.activateSSS(false);
    }
    std::vector<float> l(1024), r(1024), curve(RealTimeEngine::curvePoints);
    for (auto _ : state) {
        if (e.playPosition() + 4096 * 2 + 2 >= kLength)
            e.setPlayPosition(0);
        e.processBlock(l.data(), r.data(), curve.data());
        benchmark::DoNotOptimize(l.data());
        benchmark::ClobberMemory();
    }
    static const char *names[] = {"off", "tempo", "pitch", "isolate", "all_on"};
    state.SetLabel(names[mode]);
}
BENCHMARK(BM_Block)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_Block_Mono(benchmark::State &state)
{
    const Track &t = track();
    RealTimeEngine e;
    e.setAudioData(t.L.data(), nullptr, kLength);
    e.setHop(1.25f);
    e.activateTempo(false);
    e.setInterp(1.2f);
    e.activatePitch(false);
    e.activateSSS(false);
    std::vector<float> l(1024), r(1024), curve(RealTimeEngine::curvePoints);
    for (auto _ : state) {
        if (e.playPosition() + 4096 * 2 + 2 >= kLength)
            e.setPlayPosition(0);
        e.processBlock(l.data(), r.data(), curve.data());
        benchmark::DoNotOptimize(l.data());
    }
    state.SetLabel("all_on mono");
}
BENCHMARK(BM_Block_Mono)->Unit(benchmark::kMicrosecond);

void BM_FFTForward(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    FFTReal fft(n);
    std::vector<float> x(n), f(n);
    std::mt19937 gen(1);
    std::uniform_real_distribution<float> d(-1.0f, 1.0f);
    for (float &v : x)
        v = d(gen);
    for (auto _ : state) {
        fft.forward(f.data(), x.data());
        benchmark::DoNotOptimize(f.data());
    }
}
BENCHMARK(BM_FFTForward)->Arg(512)->Arg(4096)->Arg(8192)->Unit(benchmark::kMicrosecond);

void BM_FFTInverse(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    FFTReal fft(n);
    std::vector<float> x(n), f(n);
    std::mt19937 gen(2);
    std::uniform_real_distribution<float> d(-1.0f, 1.0f);
    for (float &v : f)
        v = d(gen);
    for (auto _ : state) {
        fft.inverse(f.data(), x.data());
        benchmark::DoNotOptimize(x.data());
    }
}
BENCHMARK(BM_FFTInverse)->Arg(4096)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
