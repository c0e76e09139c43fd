// Robustness of the chord stages against odd inputs: silence, noise, non-finite samples,
// beats at and past the ends of the track, crowded beats, one beat, extreme sample rates.
// Also run in a sanitizer build.
#include <QtTest>

#include "analysis/analysetrack.h"
#include "analysis/chordnames.h"
#include "analysis/chordrecognition.h"
#include "chordsynth.h"
#include "clicktrack.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace analysis;

namespace {

void checkConsistent(const ChordRecognition &r, size_t beats)
{
    QCOMPARE(r.beatLabels1.size(), beats);
    QCOMPARE(r.beatLabels2.size(), beats);
    QCOMPARE(r.confidence.size(), beats);
    QCOMPARE(r.beatChroma.size(), beats);
    QCOMPARE(int(r.chordList1.size()), kChordClassCount);
    QCOMPARE(int(r.chordList2.size()), kChordClassCount);
    QVERIFY(std::isfinite(r.tuning));
    for (float c : r.confidence)
        QVERIFY(c >= 0.0f && c <= 1.0f);
    for (const std::string &label : r.beatLabels2) {
        int root, quality;
        QVERIFY2(label == "-1" || parseChordName(label, root, quality), label.c_str());
    }
}

std::vector<float> noise(int count, float level = 0.3f)
{
    testsignal::Noise n(77);
    std::vector<float> x(count);
    for (float &v : x)
        v = level * n.next();
    return x;
}

std::vector<int> evenBeats(int first, int step, int count)
{
    std::vector<int> b;
    for (int i = 0; i < count; ++i)
        b.push_back(first + i * step);
    return b;
}

} // namespace

class TestChordRobustness : public QObject
{
    Q_OBJECT

private slots:
    void silenceAndNoise()
    {
        const int rate = 44100;
        const std::vector<float> silence(rate * 10, 0.0f);
        const std::vector<int> beats = evenBeats(10, 43, 18);
        ChordRecognition r = recogniseChords(silence.data(), int(silence.size()), rate, beats, 512, 43, 4);
        checkConsistent(r, beats.size());
        for (const std::string &label : r.beatLabels2)
            QCOMPARE(label, std::string("-1"));
        QCOMPARE(r.chordList2[0], std::string());
        QCOMPARE(r.tuning, 0.0f);

        const std::vector<float> x = noise(rate * 10);
        for (int bpb : {2, 3, 4, 5, 6, 7, 8, 11})
            checkConsistent(recogniseChords(x.data(), int(x.size()), rate, beats, 512, 43, bpb), beats.size());
    }

    void nonFiniteSamples()
    {
        chordsynth::Options o;
        o.repeats = 1;
        chordsynth::Track t = chordsynth::progression(chordsynth::popProgression(), o);
        for (size_t i = 5000; i < t.samples.size(); i += 7919)
            t.samples[i] = (i / 7919) % 2 ? std::numeric_limits<float>::quiet_NaN()
                                          : std::numeric_limits<float>::infinity();
        std::vector<int> beats;
        for (double b : t.beats)
            beats.push_back(int(std::lround(b / 512)));
        checkConsistent(recogniseChords(t.samples.data(), int(t.samples.size()), t.sampleRate, beats, 512, 43, 4),
                        beats.size());
    }

    void beatsAtTheEdges()
    {
        const int rate = 44100;
        const std::vector<float> x = noise(rate * 3);
        const int count = int(x.size());
        const int lastFrame = count / 512;
        const std::vector<std::vector<int>> cases{
            {0},                                        // one beat at the start
            {lastFrame - 2},                            // one beat too close to the end
            {lastFrame + 50},                           // one beat past the end
            {0, 1, 2, 3},                               // lead-ins before sample 0
            evenBeats(lastFrame - 30, 3, 20),           // crowded beats running past the end
            evenBeats(0, 43, 7),                        // the last beat within the track
            evenBeats(0, 43, 8),                        // the last beat near the end
            {5, 5, 5, 90},                              // repeated beats
            {},                                         // no beat
        };
        for (const std::vector<int> &beats : cases)
            for (int period : {43, 400, 1, 0, -5, 100000000})
                checkConsistent(recogniseChords(x.data(), count, rate, beats, 512, period, 4), beats.size());

        // No samples at all.
        checkConsistent(recogniseChords(nullptr, 0, rate, {0, 43}, 512, 43, 4), 2);
    }

    void sampleRates()
    {
        for (int rate : {4000, 8000, 11025, 22050, 96000, 192000}) {
            chordsynth::Options o;
            o.sampleRate = rate;
            o.repeats = 1;
            const chordsynth::Track t = chordsynth::progression(chordsynth::popProgression(), o);
            const int hop = analysis::frameLayout(rate, 0).hop;
            std::vector<int> beats;
            for (double b : t.beats)
                beats.push_back(int(std::lround(b / hop)));
            const int period = int(std::lround(t.beatLength / hop));
            const ChordRecognition r =
                recogniseChords(t.samples.data(), int(t.samples.size()), rate, beats, hop, period, 4);
            checkConsistent(r, beats.size());
        }
    }

    void wholeAnalysisOfChords()
    {
        // The whole analysis over a progression at odd rates and lengths.
        for (int rate : {8000, 44100, 96000}) {
            for (int repeats : {1, 2}) {
                chordsynth::Options o;
                o.sampleRate = rate;
                o.repeats = repeats;
                o.leadSeconds = 0.0;
                o.tailSeconds = 0.05;
                const chordsynth::Track t = chordsynth::progression(chordsynth::popProgression(), o);
                TrackAnalysis r;
                analyseTrack(r, t.samples.data(), rate, int(t.samples.size()));
                QCOMPARE(r.chordLabels.size(), r.beats.size());
                QCOMPARE(int(r.chordList.size()), kChordClassCount);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestChordRobustness)
#include "tst_chordrobustness.moc"
