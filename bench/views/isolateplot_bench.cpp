// Times the isolate plot on the real-time tools tab:
//  - one paint of the 316 x 101 plot with a 400-point curve from the real engine,
//  - the GUI thread's share of one core over five seconds of playback while the isolate
//    runs and the plot follows it 25 times a second (the player's own 10 ms display tick
//    included), measured with the thread's CPU clock.
// Run with QT_QPA_PLATFORM=offscreen and SDL_AUDIODRIVER=dummy (set by default).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <ctime>
#include <vector>

#include "audio/audioplayer.h"
#include "views/playback/lrpercentwidget.h"
#include "views/playback/sssplot.h"

namespace {

constexpr int trackFrames = 60 * 44100;

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// A stereo mix: a bass in the centre, a guitar to the left, a brighter part to the right,
// each with its own pulse, so that the curve has three hills.
struct Track
{
    std::vector<float> left, right;
    Track() : left(size_t(trackFrames)), right(size_t(trackFrames))
    {
        for (int i = 0; i < trackFrames; ++i) {
            const double t = double(i) / 44100.0;
            const float pulse = float(std::exp(-std::fmod(t, 0.5) * 6.0));
            const float bass = 0.25f * pulse * float(std::sin(2 * M_PI * 82.4 * t));
            const float guitar = 0.2f * float(std::sin(2 * M_PI * 329.6 * t) + 0.5 * std::sin(2 * M_PI * 659.2 * t));
            const float bright = 0.15f * pulse * float(std::sin(2 * M_PI * 1318.5 * t));
            left[size_t(i)] = bass + 0.9f * guitar + 0.2f * bright;
            right[size_t(i)] = bass + 0.25f * guitar + 0.9f * bright;
        }
    }
};

Track &track()
{
    static Track t;
    return t;
}

void BM_IsolatePlotPaint(benchmark::State &state)
{
    Track &t = track();
    RealTimeEngine engine;
    engine.setAudioData(t.left.data(), t.right.data(), trackFrames);
    engine.activateSSS(false);
    std::vector<float> l(RealTimeEngine::hopSize), r(RealTimeEngine::hopSize), curveValues(RealTimeEngine::curvePoints);
    for (int i = 0; i < 200; ++i)
        engine.processBlock(l.data(), r.data(), curveValues.data());
    QVector<QPointF> curve;
    for (int i = 0; i < RealTimeEngine::curvePoints; ++i)
        curve << QPointF(i, curveValues[size_t(i)]);

    SSSPlot plot;
    plot.resize(316, 101);
    plot.setWidth(40);
    plot.setSupressionFactor(70);
    plot.setAzimuth(30);
    QObject::connect(&plot, &SSSPlot::getCurve, [&] { return curve; });
    plot.leftPerCent()->setValue(1.0f);
    QImage image(plot.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::black);
        plot.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["curve points"] = curve.size();
}
BENCHMARK(BM_IsolatePlotPaint)->Unit(benchmark::kMicrosecond);

void BM_GuiThreadWhileIsolatePlays(benchmark::State &state)
{
    Track &t = track();
    AudioPlayer player;
    player.setAudioData(t.left.data(), t.right.data(), 2, trackFrames, 44100);
    QWidget window;
    window.resize(400, 140);
    SSSPlot *plot = new SSSPlot(&window);
    plot->setGeometry(40, 20, 316, 101);
    plot->setWidth(40);
    QObject::connect(plot, SIGNAL(getCurve()), &player, SLOT(getSSSCurve()), Qt::DirectConnection);
    window.show();
    // Argument 0: the same playback with the plot's timer stopped, for the baseline.
    const bool following = state.range(0) != 0;
    player.activateSSS(false);
    plot->turnOn(!following);
    player.play();
    double share = 0.0;
    for (auto _ : state) {
        QElapsedTimer wall;
        const double cpu0 = threadCpuSeconds();
        wall.start();
        QEventLoop loop;
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        const double cpu = threadCpuSeconds() - cpu0;
        share = cpu / (double(wall.elapsed()) / 1000.0) * 100.0;
        state.SetIterationTime(double(wall.elapsed()) / 1000.0);
    }
    player.stop();
    state.counters["curve points"] = plot->curve().size();
    state.counters["gui cpu %"] = share;
    state.SetLabel(following ? "plot follows" : "plot stopped");
    state.counters["blocks pushed"] = double(player.blocksPushed());
}
BENCHMARK(BM_GuiThreadWhileIsolatePlays)->Arg(0)->Arg(1)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
