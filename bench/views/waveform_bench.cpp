// Times the waveform view with synthetic stereo tracks at 44.1 kHz:
//  - setWaveform: envelope plus all eight levels (the whole GUI-thread stall of a new track),
//  - a zoom step in or out (layout and level switch, then the repaint it causes),
//  - one follow tick while playing at the closest level (layout, then the repaint).
// Run with QT_QPA_PLATFORM=offscreen (set by default).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cmath>
#include <vector>

#include "views/playback/plotcanvas.h"
#include "views/playback/plotter.h"
#include "views/playback/wavebg.h"

namespace {

struct Track
{
    std::vector<float> left;
    std::vector<float> right;
};

Track makeTrack(int seconds)
{
    const int n = seconds * 44100;
    Track t;
    t.left.resize(size_t(n));
    t.right.resize(size_t(n));
    unsigned seed = 12345;
    for (int i = 0; i < n; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const float noise = float(int(seed >> 9) - (1 << 22)) / float(1 << 22);
        const float beat = std::exp(-float(i % 22050) / 3000.0f);
        t.left[size_t(i)] = 0.8f * beat * noise;
        t.right[size_t(i)] = 0.6f * beat * noise + 0.1f * std::sin(i * 0.05f);
    }
    return t;
}

const Track &track(int seconds)
{
    static Track four = makeTrack(240);
    static Track ten = makeTrack(600);
    return seconds == 240 ? four : ten;
}

// Lets the window system show the window, so that repaints really paint.
void exposeWindow()
{
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

void BM_SetWaveform(benchmark::State &state)
{
    const Track &t = track(int(state.range(0)));
    WaveBg frame;
    frame.resize(1000, 228);
    frame.show();
    Plotter *plotter = frame.plotter();
    plotter->show();
    exposeWindow();
    double longest = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        plotter->setWaveform(t.left.data(), t.right.data(), int(t.left.size()), true);
        longest = std::max(longest, timer.nsecsElapsed() / 1.0e6);
        QApplication::processEvents();
    }
    state.counters["longest_ms"] = longest;
    state.counters["envelope_points"] = plotter->envelope().size();
}
BENCHMARK(BM_SetWaveform)->Arg(240)->Arg(600)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same split in its two halves, to see where the time goes.
void BM_EnvelopeOnly(benchmark::State &state)
{
    const Track &t = track(int(state.range(0)));
    // A view with no height draws no levels but still builds the envelope.
    Plotter plotter;
    plotter.resize(884, 0);
    for (auto _ : state)
        plotter.setWaveform(t.left.data(), t.right.data(), int(t.left.size()), true);
}
BENCHMARK(BM_EnvelopeOnly)->Arg(240)->Arg(600)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ZoomStepAndPaint(benchmark::State &state)
{
    const Track &t = track(240);
    WaveBg frame;
    frame.resize(1000, 228);
    frame.show();
    Plotter *plotter = frame.plotter();
    plotter->show();
    plotter->setWaveform(t.left.data(), t.right.data(), int(t.left.size()), true);
    exposeWindow();
    int direction = 1;
    for (auto _ : state) {
        if (plotter->getZoomFactor() <= Plotter::minimumZoomFactor())
            direction = -1;
        else if (plotter->getZoomFactor() >= 1.0f)
            direction = 1;
        plotter->zoomPlot(direction);
        plotter->updateZoom(0);
        frame.repaint();
    }
}
BENCHMARK(BM_ZoomStepAndPaint)->Unit(benchmark::kMicrosecond);

void BM_FollowTickAndPaint(benchmark::State &state)
{
    const Track &t = track(240);
    WaveBg frame;
    frame.resize(1000, 228);
    frame.show();
    Plotter *plotter = frame.plotter();
    plotter->show();
    plotter->setWaveform(t.left.data(), t.right.data(), int(t.left.size()), true);
    for (int i = 0; i < 3; ++i) {
        plotter->zoomPlot(1);
        plotter->updateZoom(0);
    }
    exposeWindow();
    float position = 0;
    plotter->playMarker()->startFollowTimer(&position);
    const float perTick = 441.0f;
    for (auto _ : state) {
        position += perTick;
        if (position >= float(t.left.size()))
            position = 0;
        plotter->playMarker()->setPos();
        plotter->playbackScroll();
        frame.repaint();
    }
}
BENCHMARK(BM_FollowTickAndPaint)->Unit(benchmark::kMicrosecond);

} // namespace
