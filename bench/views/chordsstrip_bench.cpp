// Times the chord strip inside the waveform view, with a four-minute synthetic track of
// 480 beats whose chord changes on every beat (480 labels, the most a track that long gives):
//  - initChordStrip: building and laying out all labels with their first paint, for a new
//    track (every label created) and for the rebuild after a chord edit,
//  - one play-highlight tick (updatePlayPos every 20 ms) at the closest zoom, where the
//    strip is widest, with the repaint it causes; ticks that move the highlight are
//    reported on their own.
// Run with QT_QPA_PLATFORM=offscreen (set by default).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cmath>
#include <vector>

#include "metadata/metadata.h"
#include "views/chords/chordindex.h"
#include "views/chords/chordsstrip.h"
#include "views/playback/plotter.h"
#include "views/playback/wavebg.h"

namespace {

constexpr int beatCount = 480;
constexpr int framesPerBeat = 22050;
constexpr int trackFrames = beatCount * framesPerBeat + 44100;

const std::vector<float> &samples()
{
    static const std::vector<float> s = [] {
        std::vector<float> v(static_cast<size_t>(trackFrames));
        for (int i = 0; i < trackFrames; ++i)
            v[size_t(i)] = 0.5f * std::exp(-float(i % framesPerBeat) / 3000.0f) * std::sin(i * 0.03f);
        return v;
    }();
    return s;
}

void fillMetaData(MetaData &meta)
{
    QStringList beats;
    QStringList chords;
    for (int i = 0; i < beatCount; ++i) {
        beats << QString::number(4000 + i * framesPerBeat);
        chords << ChordIndex::chordName((i * 13) % ChordIndex::chordCount);
    }
    meta.loadFromSession(beats, chords, {}, "120", QString());
}

void exposeWindow()
{
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

struct View
{
    WaveBg frame;
    MetaData meta;
    Plotter *plotter = frame.plotter();
    ChordsStrip *strip = plotter->chordsStrip();

    View()
    {
        frame.resize(1000, 228);
        frame.show();
        plotter->show();
        plotter->setMetaData(&meta);
        plotter->setWaveform(samples().data(), samples().data(), trackFrames, false);
        fillMetaData(meta);
        strip->playTimer()->stop();
        strip->initChordStrip();
        exposeWindow();
    }
};

// A new track's first build creates every label (the last track's were dropped); a rebuild
// after a chord edit gives the existing labels their new runs.
void buildAndLayout(benchmark::State &state, bool newTrack)
{
    View view;
    double longest = 0;
    for (auto _ : state) {
        if (newTrack) {
            view.strip->deleteChordLabels();
            QApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QElapsedTimer timer;
        timer.start();
        view.strip->initChordStrip();
        // The labels' first paint, and the deletion of labels no longer needed.
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const double ms = double(timer.nsecsElapsed()) / 1.0e6;
        longest = std::max(longest, ms);
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["labels"] = view.strip->labels().size();
    state.counters["longest_ms"] = longest;
}

void BM_FirstBuild480(benchmark::State &state)
{
    buildAndLayout(state, true);
}
BENCHMARK(BM_FirstBuild480)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_Rebuild480(benchmark::State &state)
{
    buildAndLayout(state, false);
}
BENCHMARK(BM_Rebuild480)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_UpdatePlayPosClosestZoom(benchmark::State &state)
{
    View view;
    for (int i = 0; i < Plotter::levelCount; ++i) {
        view.plotter->zoomPlot(1);
        view.plotter->updateZoom(0);
    }
    exposeWindow();
    // The highlight follows a position that moves as 20 ms of playback does.
    float x = 0;
    view.strip->setPlayPositionSource(&x);
    const float perTick = 882.0f * float(view.strip->width()) / float(trackFrames);
    double longest = 0;
    double changingTotal = 0;
    int changing = 0;
    for (auto _ : state) {
        x += perTick;
        if (x >= float(view.strip->width()))
            x = 0;
        ChordLabel *before = view.strip->playingLabel();
        QElapsedTimer timer;
        timer.start();
        view.strip->updatePlayPos();
        QApplication::processEvents();
        const double ms = double(timer.nsecsElapsed()) / 1.0e6;
        state.SetIterationTime(ms / 1000.0);
        longest = std::max(longest, ms);
        if (view.strip->playingLabel() != before) {
            changingTotal += ms;
            ++changing;
        }
    }
    state.counters["strip_width_px"] = view.strip->width();
    state.counters["longest_ms"] = longest;
    state.counters["changing_ticks"] = changing;
    state.counters["changing_tick_mean_ms"] = changing ? changingTotal / changing : 0.0;
}
BENCHMARK(BM_UpdatePlayPosClosestZoom)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(3000);

} // namespace
