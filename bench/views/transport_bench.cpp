// Times the GUI-thread work that the play markers and the transport bar do while a
// track plays, on a 4-minute stereo track at the closest zoom level:
//  - one 10 ms follow tick of the play markers (step, overview step, and the repaint of
//    the bands that moved), against repainting the whole marker each tick,
//  - one 40 ms clock tick of the transport bar (text and repaint).
// Run with QT_QPA_PLATFORM=offscreen (set by default).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QThread>

#include <cmath>
#include <vector>

#include "views/playback/playmarker.h"
#include "views/playback/plotter.h"
#include "views/playback/smallplotplaymarker.h"
#include "views/playback/transportwidget.h"
#include "views/playback/wavebg.h"

namespace {

constexpr int trackFrames = 240 * 44100;

struct Scene
{
    std::vector<float> left, right;
    float position = 0.0f;
    QWidget window;
    WaveBg *waveBg = nullptr;
    TransportWidget *transport = nullptr;

    Scene() : left(size_t(trackFrames)), right(size_t(trackFrames))
    {
        for (int i = 0; i < trackFrames; ++i) {
            const float beat = std::exp(-float(i % 22050) / 3000.0f);
            left[size_t(i)] = 0.7f * beat * std::sin(i * 0.031f);
            right[size_t(i)] = 0.5f * beat * std::sin(i * 0.017f);
        }
        window.resize(1000, 319);
        waveBg = new WaveBg(&window);
        waveBg->setGeometry(0, 0, 1000, 228);
        transport = new TransportWidget(&window);
        transport->setGeometry(0, 228, 1000, 91);
        Plotter *plotter = waveBg->plotter();
        plotter->playMarker()->startFollowTimer(&position);
        plotter->playMarker()->followTimer()->stop(); // stepped by the benchmark
        waveBg->smallPlotPlayMarker()->setPositionSource(&position);
        transport->setPositionSource(&position);
        transport->clockTimer()->stop();
        plotter->setWaveform(left.data(), right.data(), trackFrames, true);
        for (int i = 0; i < 3; ++i)
            plotter->zoomPlot(1), plotter->updateZoom(0);
        plotter->show();
        waveBg->smallPlot()->show();
        transport->setDuration(trackFrames);
        window.show();
        for (int i = 0; i < 20; ++i) {
            QApplication::processEvents();
            QThread::msleep(5);
        }
    }
};

Scene &scene()
{
    static Scene s;
    return s;
}

// One follow tick: the position advances 10 ms of audio, the markers step and repaint.
void BM_FollowTick(benchmark::State &state)
{
    Scene &s = scene();
    PlayMarker *marker = s.waveBg->plotter()->playMarker();
    const bool wholeRepaint = state.range(0) != 0;
    const float visibleFrames = float(trackFrames) * s.waveBg->plotter()->getZoomFactor() * 0.95f;
    s.position = 0.0f;
    double moves = 0;
    for (auto _ : state) {
        // Kept inside the part of the track that the view shows (it stays at the start).
        s.position += 441.0f;
        if (s.position >= visibleFrames)
            s.position = 0.0f;
        const float before = marker->markerX();
        marker->setPos();
        moves += marker->markerX() != before;
        if (wholeRepaint)
            marker->update();
        QApplication::processEvents();
    }
    state.counters["pixel changes per tick"] = moves / double(state.iterations());
    state.counters["marker width"] = marker->width();
    state.SetLabel(wholeRepaint ? "whole marker repainted" : "bands only");
}
BENCHMARK(BM_FollowTick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One clock tick of the transport bar while playing.
void BM_ClockTick(benchmark::State &state)
{
    Scene &s = scene();
    s.position = 0.0f;
    for (auto _ : state) {
        s.position += 1764.0f;
        if (s.position >= trackFrames)
            s.position = 0.0f;
        s.transport->updateTime();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMicrosecond);

} // namespace
