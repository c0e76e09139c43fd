// Times the chord viewer, shown, with a track of 480 beats:
//  - beatChanged: one beat of playback (current and next diagram, beats-to-next), with the
//    repaint it causes,
//  - initDetectedChords: the open and power diagram lists for all 84 chords, with their
//    first paint and the old lists' deletion.
// Run with QT_QPA_PLATFORM=offscreen (set by default).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include "metadata/metadata.h"
#include "views/chords/chordindex.h"
#include "views/chords/chordstab.h"

namespace {

constexpr int beatCount = 480;

void exposeWindow()
{
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

struct Viewer
{
    MetaData meta;
    ChordsTab tab;

    Viewer()
    {
        QStringList beats;
        QStringList chords;
        QStringList detected;
        for (int i = 0; i < beatCount; ++i) {
            beats << QString::number(4000 + i * 22050);
            // Runs of one to four beats, every chord of the table somewhere.
            chords << ChordIndex::chordName(((i / (1 + i % 4)) * 13) % ChordIndex::chordCount);
        }
        for (int i = 0; i < ChordIndex::chordCount; ++i)
            detected << ChordIndex::chordName(i);
        tab.resize(1000, 355);
        tab.setMetaData(&meta);
        meta.loadFromSession(beats, chords, detected, "120", QString());
        tab.show();
        tab.initDetectedChords();
        exposeWindow();
    }
};

void BM_BeatChanged(benchmark::State &state)
{
    Viewer viewer;
    if (state.range(0) == 1)
        viewer.tab.setChordType(1);
    int beat = 0;
    double longest = 0;
    for (auto _ : state) {
        beat = (beat + 1) % beatCount;
        viewer.meta.currentBeat.store(beat);
        QElapsedTimer timer;
        timer.start();
        viewer.tab.beatChanged();
        QApplication::processEvents();
        const double ms = double(timer.nsecsElapsed()) / 1.0e6;
        longest = std::max(longest, ms);
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["longest_ms"] = longest;
}
BENCHMARK(BM_BeatChanged)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(960);

void BM_InitDetectedChords84(benchmark::State &state)
{
    Viewer viewer;
    double longest = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        viewer.tab.initDetectedChords();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const double ms = double(timer.nsecsElapsed()) / 1.0e6;
        longest = std::max(longest, ms);
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["longest_ms"] = longest;
}
BENCHMARK(BM_InitDetectedChords84)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

} // namespace
