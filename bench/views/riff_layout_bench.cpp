// Times laying out the 96 riff step labels (six riffs of 16 steps) over the waveform, as
// a zoom step does (each pass resizes the six strips, which moves every label), with a 4-minute track of 480 beats:
//  - at the whole-track width (1000 pixels) and at the closest zoom (about 35800 pixels),
//  - with each riff's steps on separate beats, and with steps stacked four to a beat.
// Run with QT_QPA_PLATFORM=offscreen (set by default).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include "analysis/trackanalysis.h"
#include "metadata/metadata.h"
#include "views/jam/beatselection.h"

namespace {

constexpr int beatCount = 480;
constexpr int beatSpacing = 22050;
constexpr int trackFrames = beatCount * beatSpacing;

MetaData &metaData()
{
    static MetaData data;
    static bool filled = false;
    if (!filled) {
        TrackAnalysis analysis;
        analysis.tempo = 120.0f;
        for (int i = 0; i < beatCount; ++i) {
            analysis.beats.push_back(float(4096 + beatSpacing * i));
            analysis.chordLabels.push_back("G");
        }
        data.setFromAnalysis(analysis);
        filled = true;
    }
    return data;
}

void layoutSixRiffs(benchmark::State &state)
{
    const int width = int(state.range(0));
    const bool stacked = state.range(1) != 0;
    QWidget frame;
    frame.resize(1000, 120);
    QList<BeatSelection *> riffs;
    for (int r = 0; r < 6; ++r) {
        auto *riff = new BeatSelection(&frame);
        riff->setMetaData(&metaData());
        riff->setTrackFrames(trackFrames);
        riff->setGeometry(0, 0, width, 90);
        riff->clear();
        for (int k = 0; k < 16; ++k) {
            riff->setArmedStep(k, stacked ? 40 * r + k / 4 : 40 * r + 2 * k);
            riff->lockSelection();
        }
        riffs.append(riff);
    }
    frame.show();
    QApplication::processEvents();
    // Every pass moves the labels: the strips alternate between two widths, as zoom
    // steps do, and each resize lays its 16 labels out again.
    bool wider = false;
    for (auto _ : state) {
        wider = !wider;
        for (BeatSelection *riff : qAsConst(riffs))
            riff->resize(width + (wider ? 7 : 0), 90);
    }
    state.counters["labels"] = 96;
}
BENCHMARK(layoutSixRiffs)
    ->ArgNames({"width", "stacked"})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({35800, 0})
    ->Args({35800, 1})
    ->Unit(benchmark::kMicrosecond);

} // namespace
