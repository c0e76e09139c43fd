// Whole-track analysis of generated click tracks: tempo, beat grid, metre and the shape of
// the result.
#include <QtTest>

#include "analysis/analysetrack.h"
#include "analysis/onsetdetection.h"
#include "analysis/tempoestimation.h"
#include "clicktrack.h"

#include <algorithm>
#include <cmath>
#include <vector>

using testsignal::ClickOptions;
using testsignal::makeClickTrack;

namespace {

TrackAnalysis analyse(const std::vector<float> &samples, int rate)
{
    TrackAnalysis r;
    analyseTrack(r, samples.data(), rate, static_cast<int>(samples.size()));
    return r;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// Nearest beat to `at`, as a signed distance in samples.
double nearestBeat(const std::vector<float> &beats, double at)
{
    double best = 1e300;
    for (float b : beats)
        if (std::fabs(b - at) < std::fabs(best))
            best = b - at;
    return best;
}

void checkShape(const TrackAnalysis &r)
{
    QCOMPARE(r.chordLabels.size(), r.beats.size());
    QCOMPARE(int(r.chordList.size()), TrackAnalysis::kChordClassCount);
    for (std::size_t i = 1; i < r.beats.size(); ++i)
        QVERIFY(r.beats[i] > r.beats[i - 1]);
}

} // namespace

class TestAnalyseTrack : public QObject
{
    Q_OBJECT

private slots:
    void clickTracks_data()
    {
        QTest::addColumn<double>("bpm");
        QTest::addColumn<int>("rate");
        for (int rate : {44100, 48000, 96000})
            for (double bpm : {90.0, 104.0, 120.0, 137.0, 160.0})
                QTest::addRow("%g bpm at %d Hz", bpm, rate) << bpm << rate;
    }

    void clickTracks()
    {
        QFETCH(double, bpm);
        QFETCH(int, rate);
        ClickOptions o;
        o.bpm = bpm;
        o.sampleRate = rate;
        o.seconds = 30.0;
        const testsignal::ClickTrack track = makeClickTrack(o);
        const TrackAnalysis r = analyse(track.samples, rate);
        checkShape(r);

        // Tempo within one lag step of the truth.
        const int hop = analysis::frameLayout(rate, 0).hop;
        const double trueLag = 60.0 * rate / (hop * bpm);
        const double foundLag = 60.0 * rate / (hop * double(r.tempo));
        QVERIFY2(std::fabs(foundLag - trueLag) <= 1.0, qPrintable(QString("tempo %1").arg(r.tempo)));

        // Beat spacing as the clicks' spacing, within one frame.
        std::vector<double> gaps;
        for (std::size_t i = 1; i < r.beats.size(); ++i)
            gaps.push_back(r.beats[i] - r.beats[i - 1]);
        const double clickGap = 60.0 * rate / bpm;
        QVERIFY2(std::fabs(median(gaps) - clickGap) <= hop, qPrintable(QString("gap %1").arg(median(gaps))));

        // Nearly every click has a beat within 1.5 frames, once a constant offset is removed.
        std::vector<double> offsets;
        for (double c : track.clicks)
            offsets.push_back(nearestBeat(r.beats, c));
        const double offset = median(offsets);
        int hits = 0;
        for (double d : offsets)
            hits += std::fabs(d - offset) <= 1.5 * hop;
        QVERIFY2(hits >= 0.9 * track.clicks.size(), qPrintable(QString("%1 of %2").arg(hits).arg(track.clicks.size())));

        // "X" marks only the added beats before and after the tracked ones.
        std::size_t lead = 0, trail = 0;
        while (lead < r.chordLabels.size() && r.chordLabels[lead] == "X")
            ++lead;
        while (trail < r.chordLabels.size() - lead && r.chordLabels[r.chordLabels.size() - 1 - trail] == "X")
            ++trail;
        QVERIFY(std::count(r.chordLabels.begin(), r.chordLabels.end(), std::string("X")) == long(lead + trail));
        QVERIFY(lead + trail < r.chordLabels.size());
    }

    void extremeTempos_data()
    {
        QTest::addColumn<double>("bpm");
        QTest::addRow("60") << 60.0;
        QTest::addRow("200") << 200.0;
    }

    void extremeTempos()
    {
        // Half or double tempo is acceptable at the ends of the range.
        QFETCH(double, bpm);
        ClickOptions o;
        o.bpm = bpm;
        const TrackAnalysis r = analyse(makeClickTrack(o).samples, o.sampleRate);
        checkShape(r);
        bool ok = false;
        for (double factor : {0.5, 1.0, 2.0})
            ok = ok || std::fabs(r.tempo - bpm * factor) <= 0.04 * bpm * factor;
        QVERIFY2(ok, qPrintable(QString("tempo %1").arg(r.tempo)));
    }

    void leadingSilence()
    {
        ClickOptions o;
        o.bpm = 120.0;
        o.leadingSilence = 3.3;
        o.seconds = 25.0;
        const TrackAnalysis r = analyse(makeClickTrack(o).samples, o.sampleRate);
        checkShape(r);
        const int added = int(std::count(r.chordLabels.begin(), r.chordLabels.end(), std::string("X")));
        QVERIFY(added >= 5);
        QCOMPARE(r.chordLabels.front(), std::string("X"));
        QVERIFY(r.beats.front() >= 0.0f);
        // The added beats continue the grid evenly (whole beat periods apart).
        int lead = 0;
        while (r.chordLabels[lead] == "X")
            ++lead;
        const double gap = r.beats[lead] - r.beats[lead - 1];
        for (int i = 1; i < lead; ++i)
            QVERIFY(std::fabs((r.beats[i] - r.beats[i - 1]) - gap) <= 512.0);
        QVERIFY(std::fabs(gap - 22050.0) <= 512.0);
        QVERIFY(r.beats.front() < gap);
    }

    void threeBeatMetre_data()
    {
        QTest::addColumn<double>("bpm");
        QTest::addColumn<int>("rate");
        QTest::addRow("96 at 44100") << 96.0 << 44100;
        QTest::addRow("120 at 48000") << 120.0 << 48000;
        QTest::addRow("144 at 44100") << 144.0 << 44100;
    }

    void threeBeatMetre()
    {
        QFETCH(double, bpm);
        QFETCH(int, rate);
        ClickOptions o;
        o.bpm = bpm;
        o.sampleRate = rate;
        o.beatsPerBar = 3;
        const testsignal::ClickTrack t = makeClickTrack(o);
        const analysis::OnsetFunctions on = analysis::computeOnsetFunctions(t.samples.data(), rate, int(t.samples.size()));
        const analysis::TempoEstimate est = analysis::estimateTempo(on.smoothedBands, on.hop, on.frameCount, rate);
        QCOMPARE(est.beatsPerBar, 3);
        QVERIFY(std::fabs(est.tempo - bpm) < 0.03 * bpm);
    }

    void repeatable()
    {
        ClickOptions o;
        o.bpm = 111.0;
        o.noiseLevel = 0.02f;
        const testsignal::ClickTrack t = makeClickTrack(o);
        const TrackAnalysis a = analyse(t.samples, o.sampleRate);
        const TrackAnalysis b = analyse(t.samples, o.sampleRate);
        QCOMPARE(a.tempo, b.tempo);
        QCOMPARE(a.beats, b.beats);
        QCOMPARE(a.chordLabels, b.chordLabels);
    }
};

QTEST_APPLESS_MAIN(TestAnalyseTrack)
#include "tst_analysetrack.moc"
