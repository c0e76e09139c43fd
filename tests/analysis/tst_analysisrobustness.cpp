// Inputs the analysis must survive without reading out of bounds: silence, noise, very
// short tracks, long tracks at high rates and low sample rates. Also run in a sanitizer build.
#include <QtTest>

#include "analysis/analysetrack.h"
#include "clicktrack.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {

// The result is consistent whatever it holds.
void checkConsistent(const TrackAnalysis &r, int sampleCount)
{
    QCOMPARE(r.chordLabels.size(), r.beats.size());
    QCOMPARE(int(r.chordList.size()), TrackAnalysis::kChordClassCount);
    QVERIFY(r.tempo >= 0.0f && std::isfinite(r.tempo));
    for (std::size_t i = 0; i < r.beats.size(); ++i) {
        QVERIFY(r.beats[i] >= 0.0f && r.beats[i] <= float(sampleCount));
        if (i > 0)
            QVERIFY(r.beats[i] > r.beats[i - 1]);
    }
    if (r.tempo == 0.0f)
        QVERIFY(r.beats.empty());
}

TrackAnalysis run(const std::vector<float> &s, int rate)
{
    TrackAnalysis r;
    r.tempo = 99.0f;
    r.beats = {1.0f};
    r.chordLabels = {"C"}; // stale contents must go
    analyseTrack(r, s.data(), rate, int(s.size()));
    checkConsistent(r, int(s.size()));
    return r;
}

} // namespace

class TestAnalysisRobustness : public QObject
{
    Q_OBJECT

private slots:
    void silence_data()
    {
        QTest::addColumn<int>("rate");
        for (int rate : {8000, 22050, 44100, 48000, 96000})
            QTest::addRow("%d", rate) << rate;
    }

    void silence()
    {
        QFETCH(int, rate);
        const TrackAnalysis r = run(std::vector<float>(std::size_t(rate) * 10, 0.0f), rate);
        QCOMPARE(r.tempo, 0.0f);
        QVERIFY(r.beats.empty());
    }

    void whiteNoise_data() { silence_data(); }

    void whiteNoise()
    {
        QFETCH(int, rate);
        run(testsignal::whiteNoise(std::size_t(rate) * 10, 0.5f), rate);
    }

    void shortTracks_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("samples");
        QTest::addRow("empty") << 44100 << 0;
        QTest::addRow("less than a frame") << 44100 << 1000;
        QTest::addRow("one frame") << 44100 << 1024;
        QTest::addRow("below the moving mean") << 44100 << 512 * 33;
        QTest::addRow("just above the moving mean") << 44100 << 512 * 35;
        QTest::addRow("shortest decodable at 48k") << 48000 << 194 * 512 + 512;
        QTest::addRow("1 s at 44.1k") << 44100 << 44100;
        QTest::addRow("1 s at 96k") << 96000 << 96000;
        QTest::addRow("1 s at 8k") << 8000 << 8000;
    }

    void shortTracks()
    {
        QFETCH(int, rate);
        QFETCH(int, samples);
        testsignal::ClickOptions o;
        o.sampleRate = rate;
        o.bpm = 150.0;
        o.seconds = 1.0 + double(samples) / rate;
        std::vector<float> s = testsignal::makeClickTrack(o).samples;
        s.resize(std::size_t(samples));
        run(s, rate);
        run(testsignal::whiteNoise(std::size_t(samples), 0.3f), rate);
    }

    void longTracks_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addRow("100000 frames at 48k") << 48000;
        QTest::addRow("100000 frames at 96k") << 96000;
    }

    void longTracks()
    {
        // 100000 analysis frames: about 18 minutes at 48 kHz, 36 minutes at 96 kHz.
        QFETCH(int, rate);
        const int hop = analysis::frameLayout(rate, 0).hop;
        testsignal::ClickOptions o;
        o.sampleRate = rate;
        o.bpm = 123.0;
        o.seconds = (100000.0 * hop + 2 * hop) / rate;
        const TrackAnalysis r = run(testsignal::makeClickTrack(o).samples, rate);
        QVERIFY(std::fabs(r.tempo - 123.0f) < 4.0f);
    }

    void lowRatesAndOddInput()
    {
        testsignal::ClickOptions o;
        o.sampleRate = 8000;
        o.bpm = 100.0;
        o.seconds = 20.0;
        const TrackAnalysis r = run(testsignal::makeClickTrack(o).samples, 8000);
        QVERIFY(std::fabs(r.tempo - 100.0f) < 5.0f);

        o.sampleRate = 4000;
        run(testsignal::makeClickTrack(o).samples, 4000);
        o.sampleRate = 1000;
        run(testsignal::makeClickTrack(o).samples, 1000);

        // Invalid rates and missing samples give the empty result.
        std::vector<float> s(44100, 0.1f);
        TrackAnalysis r2;
        analyseTrack(r2, s.data(), 0, int(s.size()));
        checkConsistent(r2, int(s.size()));
        analyseTrack(r2, s.data(), -44100, int(s.size()));
        checkConsistent(r2, int(s.size()));
        analyseTrack(r2, nullptr, 44100, 1000);
        QCOMPARE(r2.tempo, 0.0f);

        // Non-finite samples: no crash, a consistent result.
        std::vector<float> bad = testsignal::whiteNoise(44100 * 5, 0.3f);
        bad[1000] = std::numeric_limits<float>::quiet_NaN();
        bad[50000] = std::numeric_limits<float>::infinity();
        run(bad, 44100);
        // Full-scale clipping square wave.
        std::vector<float> square(44100 * 5);
        for (std::size_t i = 0; i < square.size(); ++i)
            square[i] = ((i / 11025) % 2) ? 1.0f : -1.0f;
        run(square, 44100);
    }
};

QTEST_APPLESS_MAIN(TestAnalysisRobustness)
#include "tst_analysisrobustness.moc"
