// Unit tests of the chord stages: chord names, frame layout, tuning, semitone spectrogram,
// template matching, the per-beat vote, main and ranked chords, segment smoothing and
// blip removal.
#include <QtTest>

#include "analysis/chordframes.h"
#include "analysis/chordnames.h"
#include "analysis/chordrecognition.h"
#include "analysis/chordsmoothing.h"
#include "analysis/chordtemplates.h"
#include "analysis/chroma.h"
#include "analysis/semitonespectrogram.h"
#include "analysis/tuning.h"

#include "chordsynth.h"

#include <string>
#include <vector>

using namespace analysis;

namespace {

int chordIndex(const std::string &name)
{
    int root = -1, quality = -1;
    if (!parseChordName(name, root, quality))
        return -1;
    return root + 12 * quality;
}

// Vote records and a tally where every beat's `frames` frames all matched its label.
struct Votes
{
    std::vector<ChordInfo> records;
    BeatChordTally tally;
};

Votes votesFor(const std::vector<std::string> &labels, int frames = 8)
{
    Votes v;
    v.tally = BeatChordTally(static_cast<int>(labels.size()));
    for (size_t b = 0; b < labels.size(); ++b) {
        const int index = chordIndex(labels[b]);
        v.records.push_back(chordFromClass(index));
        v.tally.set(index, static_cast<int>(b), frames);
    }
    return v;
}

std::vector<std::string> names(const std::vector<ChordInfo> &records)
{
    std::vector<std::string> out;
    for (const ChordInfo &c : records)
        out.push_back(c.fullName);
    return out;
}

std::vector<std::string> repeated(const std::vector<std::pair<std::string, int>> &runs)
{
    std::vector<std::string> out;
    for (const auto &r : runs)
        out.insert(out.end(), r.second, r.first);
    return out;
}

Chroma chromaOf(std::initializer_list<std::pair<int, float>> values)
{
    Chroma c{};
    for (const auto &v : values)
        c[v.first] = v.second;
    return c;
}

ChordMask defaultMask()
{
    ChordMask m{};
    for (auto &root : m)
        root[0] = root[1] = root[4] = 1;
    return m;
}

} // namespace

class TestChordStages : public QObject
{
    Q_OBJECT

private slots:
    void chordNamesRoundTrip()
    {
        QCOMPARE(QString::fromStdString(chordName(7, 4).fullName), QString("G7"));
        QCOMPARE(QString::fromStdString(chordName(1, 1).fullName), QString("C#m"));
        QCOMPARE(QString::fromStdString(chordName(10, 5).fullName), QString("Bbmaj7"));
        QCOMPARE(QString::fromStdString(chordNameFromIndex(ChordTable::FourNote, 12 + 3).fullName),
                 QString("D#maj7"));
        for (int index = 0; index < kChordClassCount; ++index) {
            const ChordInfo c = chordFromClass(index);
            QCOMPARE(c.index(), index);
            QCOMPARE(chordIndex(c.fullName), index);
        }
        QCOMPARE(chordIndex("Db"), 1);
        QCOMPARE(chordIndex("ebm"), 3 + 12);
        QCOMPARE(chordIndex("Ab7"), 8 + 48);
        QCOMPARE(chordIndex("A#maj7"), 10 + 60);
        QCOMPARE(chordIndex("c#m7"), 1 + 72);
        // Names of no chord.
        for (const char *bad : {"-1", "", "X", "H", "Cdim", "G9"})
            QCOMPARE(chordIndex(bad), -1);
        QCOMPARE(chordName(-1, 0).fullName, std::string("-1"));
        QCOMPARE(chordName(3, 7).root, -1);
        QCOMPARE(chordFromClass(84).fullName, std::string("-1"));
        std::string s = "bbMaj7";
        upperCase(s);
        QCOMPARE(s, std::string("BBMAJ7"));
    }

    void tuningHistogramEdges()
    {
        // All deviations equal (a width of 0): the offset is their value.
        QCOMPARE(tuningOffset(std::vector<float>(50, 0.3f)), 0.3f);
        QCOMPARE(tuningOffset({}), 0.0f);
        // The highest value falls in the last bin, nothing past it.
        const TuningHistogram h = tuningHistogram({-0.5f, 0.5f, 0.5f, 0.0f, 0.49999f}, 100);
        QCOMPARE(h.counts.size(), size_t(100));
        int total = 0;
        for (int c : h.counts)
            total += c;
        QCOMPARE(total, 5);
        QCOMPARE(h.counts[99], 3);
        QCOMPARE(h.counts[0], 1);
        // A cluster among scattered values.
        std::vector<float> d;
        for (int i = 0; i < 200; ++i)
            d.push_back(-0.5f + i / 200.0f);
        d.insert(d.end(), 100, 0.12f);
        QVERIFY(std::fabs(tuningOffset(d) - 0.12f) < 0.011f);
    }

    void frameLayout()
    {
        const int hop = 512;
        const std::vector<int> beats{0, 43, 86, 129};
        ChordFrameList l = chordFrames(beats, hop, 43, 1 << 20);
        QCOMPARE(l.framesPerBeat, 18); // (22016 - 3072) / 1024
        QCOMPARE(int(l.frames.size()), 4 * 19 - 1);
        QCOMPARE(l.frames[17].beat, 0);
        QCOMPARE(l.frames[18].beat, -1);
        QCOMPARE(l.frames[18].start, 43 * hop - 1024);
        QCOMPARE(l.frames[19].start, 43 * hop);
        QCOMPARE(l.frames[19 + 5].start, 43 * hop + 5 * 1024);
        QCOMPARE(l.frames.back().beat, 3);

        // The last beat too close to the end: dropped, and a closing record ends the list.
        l = chordFrames(beats, hop, 43, 129 * hop + 3000);
        QCOMPARE(int(l.frames.size()), 3 * 19 - 1 + 1);
        QCOMPARE(l.frames.back().beat, -1);
        QCOMPARE(l.frames.back().start, l.frames[l.frames.size() - 2].start);

        // The last beat keeps only the windows that end inside the track.
        l = chordFrames(beats, hop, 43, 129 * hop + 4096 + 2 * 1024);
        QCOMPARE(int(l.frames.size()), 3 * 19 + 3);
        QCOMPARE(l.frames.back().beat, 3);

        // A single beat: no lead-in; too close to the end, no frame at all.
        l = chordFrames({10}, hop, 43, 1 << 20);
        QCOMPARE(int(l.frames.size()), 18);
        QCOMPARE(l.frames.front().start, 10 * hop);
        QCOMPARE(int(chordFrames({10}, hop, 43, 10 * hop + 100).frames.size()), 0);

        // Beats shorter than one window (low rates, a period of 0): one frame per beat.
        l = chordFrames({0, 8, 16}, 256, 8, 1 << 16);
        QCOMPARE(l.framesPerBeat, 1);
        QCOMPARE(int(l.frames.size()), 3 * 2 - 1);
        QCOMPARE(chordFrames({0, 8}, 256, 0, 1 << 16).framesPerBeat, 1);
        QVERIFY(chordFrames({}, 512, 43, 1 << 16).frames.empty());
    }

    void sineLandsOnItsSemitone()
    {
        // A4 at 440 Hz (semitone 57 above C0, pitch class A), at two rates.
        for (int rate : {44100, 48000}) {
            const std::vector<float> x = chordsynth::sine(440.0, rate, 4.0);
            const ChordFrameList l = chordFrames({0, 43, 86, 129, 172}, 512, 43, int(x.size()));
            const SemitoneSpectrogram s = semitoneSpectrogram(x.data(), int(x.size()), rate, l.frames);
            QCOMPARE(s.frameCount, int(l.frames.size()));
            std::vector<double> rows(kSemitoneCount, 0.0);
            for (int z = 0; z < s.frameCount; ++z)
                for (int k = 0; k < kSemitoneCount; ++k)
                    rows[k] += s.frame(z)[k];
            QVERIFY(rows[57] > 0.0);
            for (int k = 0; k < kSemitoneCount; ++k)
                if (k != 57)
                    QVERIFY2(rows[k] < 0.05 * rows[57], qPrintable(QString("%1: %2").arg(k).arg(rows[k] / rows[57])));

            const std::vector<Chroma> frames = frameChroma(s);
            const std::vector<Chroma> beats = beatChroma(frames, l.frames, 5);
            for (int b = 0; b < 4; ++b) {
                QCOMPARE(beats[b][9], 1.0f);
                for (int k = 0; k < 12; ++k)
                    if (k != 9)
                        QVERIFY2(beats[b][k] < 0.05f, qPrintable(QString("%1: %2").arg(k).arg(beats[b][k])));
            }
        }

        // Weight of a partial against one at 440 Hz: two thirds at 100 Hz, one half at 600 Hz,
        // next to nothing below 60 Hz or above 800 Hz.
        const ChordFrameList l = chordFrames({0, 43}, 512, 43, 44100 * 2);
        auto weight = [&l](double frequency) {
            const std::vector<float> x = chordsynth::sine(frequency, 44100, 2.0);
            const SemitoneSpectrogram s = semitoneSpectrogram(x.data(), int(x.size()), 44100, l.frames);
            double sum = 0.0;
            for (float v : s.semitones)
                sum += v;
            return sum;
        };
        const double a4 = weight(440.0);
        QVERIFY(std::fabs(weight(100.0) / a4 - 2.0 / 3.0) < 0.1);
        QVERIFY(std::fabs(weight(600.0) / a4 - 0.5) < 0.1);
        QVERIFY(weight(1000.0) < 0.01 * a4);
        QVERIFY(weight(40.0) < 0.01 * a4);

        // Silence gives no peak and no tuning.
        const std::vector<float> silence(44100 * 2, 0.0f);
        const SemitoneSpectrogram quiet = semitoneSpectrogram(silence.data(), int(silence.size()), 44100, l.frames);
        QCOMPARE(quiet.tuning, 0.0f);
        const std::vector<Chroma> beats = beatChroma(frameChroma(quiet), l.frames, 2);
        for (const Chroma &c : beats)
            for (float v : c)
                QCOMPARE(v, 0.0f);
    }

    void templateMatching()
    {
        ChordTally tally{};
        const std::vector<Chroma> columns{
            chromaOf({{0, 1.0f}, {4, 1.0f}, {7, 1.0f}}),                     // C
            chromaOf({{9, 1.0f}, {0, 0.9f}, {4, 0.8f}, {2, 0.05f}}),         // Am
            chromaOf({{7, 1.0f}, {11, 0.8f}, {2, 0.8f}, {5, 0.7f}}),         // G7
            chromaOf({{7, 1.0f}, {11, 0.8f}, {2, 0.8f}, {5, 0.05f}}),        // G, a faint seventh
            Chroma{},                                                        // nothing
        };
        const std::vector<ChordInfo> r = matchChordTemplates(columns, defaultMask(), tally);
        QCOMPARE(int(r.size()), 5);
        QCOMPARE(r[0].fullName, std::string("C"));
        QCOMPARE(r[1].fullName, std::string("Am"));
        QCOMPARE(r[2].fullName, std::string("G7"));
        QCOMPARE(r[3].fullName, std::string("G"));
        QVERIFY(!r[4].hasRoot());
        QCOMPARE(r[4].fullName, std::string("-1"));
        QCOMPARE(tally[0][0], 1);
        QCOMPARE(tally[9][1], 1);
        QCOMPARE(tally[7][4], 1);
        QCOMPARE(tally[7][0], 1);

        // Only the enabled chords can win; with none, every record is empty.
        ChordMask minorOnly{};
        for (auto &root : minorOnly)
            root[1] = 1;
        ChordTally t2{};
        QCOMPARE(matchChordTemplates({columns[0]}, minorOnly, t2)[0].quality, 1);
        ChordTally t3{};
        QVERIFY(!matchChordTemplates({columns[0]}, ChordMask{}, t3)[0].hasRoot());
    }

    void beatVote()
    {
        const ChordInfo c = chordName(0, 0), g = chordName(7, 0), am = chordName(9, 1);
        const std::vector<ChordFrame> frames{{0, 0}, {1, 0}, {2, 0}, {3, -1}, {4, 1}, {5, 1},
                                             {6, -1}, {7, 2}, {8, 2}, {9, -1}, {10, 3}, {11, 3}};
        const std::vector<ChordInfo> records{c, c, g, {}, {}, {}, {}, c, g, {}, am, am};
        const BeatVote v = voteBeatChords(frames, records, 4);
        QCOMPARE(v.records[0].fullName, std::string("C"));
        QCOMPARE(v.confidence[0], 2);
        QVERIFY(v.tied[0].empty());
        QCOMPARE(v.tally.at(0, 0), 2);
        QCOMPARE(v.tally.at(7, 0), 1);
        // Frames that matched nothing give no chord, not the first chord of the scan.
        QVERIFY(!v.records[1].hasRoot());
        QCOMPARE(v.confidence[1], 0);
        // A tie: the winner comes first in scan order, the tied chords end with it.
        QCOMPARE(v.records[2].fullName, std::string("C"));
        QCOMPARE(int(v.tied[2].size()), 2);
        QCOMPARE(v.tied[2][0].fullName, std::string("G"));
        QCOMPARE(v.tied[2][1].fullName, std::string("C"));
        // The last beat's own frames decide it.
        QCOMPARE(v.records[3].fullName, std::string("Am"));

        // A last beat without frames takes the chord of the beat before it.
        const BeatVote w = voteBeatChords({{0, 0}, {1, 0}, {2, -1}}, {g, g, {}}, 2);
        QCOMPARE(w.records[1].fullName, std::string("G"));
        // A single beat without frames has no chord.
        QVERIFY(!voteBeatChords({}, {}, 1).records[0].hasRoot());
    }

    void mainAndRankedChords()
    {
        // 59 beats: one window; 5 G beats (8.5 %) count, 3 Am beats (5 %) do not.
        std::vector<ChordInfo> beats(51, chordName(0, 0));
        beats.insert(beats.end(), 5, chordName(7, 0));
        beats.insert(beats.end(), 3, chordName(9, 1));
        std::vector<int> mains = mainChords(beats);
        QCOMPARE(int(mains.size()), 84);
        QVERIFY(std::find(mains.begin(), mains.end(), 0) != mains.end());
        QVERIFY(std::find(mains.begin(), mains.end(), 7) != mains.end());
        QVERIFY(std::find(mains.begin(), mains.end(), 9 + 12) == mains.end());
        QCOMPARE(mains[2], -1);

        // 100 beats: windows 0-59 and 30-89, and 40-99 for the beats those leave out, so a
        // chord only in beats 90-99 is a main chord too.
        std::vector<ChordInfo> longer(90, chordName(0, 0));
        longer.insert(longer.end(), 10, chordName(7, 0));
        mains = mainChords(longer);
        QVERIFY(std::find(mains.begin(), mains.begin() + 2, 0) != mains.begin() + 2);
        QVERIFY(std::find(mains.begin(), mains.begin() + 2, 7) != mains.begin() + 2);
        QCOMPARE(mains[2], -1);
        // 70 beats: windows 0-59 and 10-69.
        longer.resize(60);
        longer.insert(longer.end(), 10, chordName(9, 1));
        QCOMPARE(mainChords(longer)[0], 9 + 12);
        QCOMPARE(mainChords(longer)[2], -1);
        // Beats without a chord are not counted.
        QCOMPARE(mainChords(std::vector<ChordInfo>(10))[0], -1);

        std::vector<std::string> ranked;
        std::vector<int> indices;
        rankChords(beats, ranked, indices);
        QCOMPARE(int(ranked.size()), 84);
        QCOMPARE(ranked[0], std::string("C"));
        QCOMPARE(ranked[1], std::string("G"));
        QCOMPARE(ranked[2], std::string("Am"));
        QCOMPARE(ranked[3], std::string());
        QCOMPARE(indices[2], 21);
        QCOMPARE(indices[3], -1);
    }

    void blipRemoval()
    {
        // A single blip takes its neighbours' chord; the first and last beats never change.
        Votes v = votesFor({"G", "C", "C", "Am", "C", "C", "G"});
        QCOMPARE(names(removeBlips(v.records, v.tally)),
                 std::vector<std::string>({"G", "C", "C", "C", "C", "C", "G"}));
        // Two beats in a row are a run, not a blip.
        v = votesFor({"C", "G", "G", "C"});
        QCOMPARE(names(removeBlips(v.records, v.tally)), std::vector<std::string>({"C", "G", "G", "C"}));
        // A lone blip between two chords takes the one its frames favour.
        v = votesFor({"C", "Am", "G", "G"});
        v.tally.set(chordIndex("G"), 1, 5);
        v.tally.set(chordIndex("C"), 1, 2);
        QCOMPARE(names(removeBlips(v.records, v.tally))[1], std::string("G"));
        v.tally.set(chordIndex("G"), 1, 2);
        QCOMPARE(names(removeBlips(v.records, v.tally))[1], std::string("C"));
        // A run of blips takes, as a whole, the candidate with the most frames over the run.
        v = votesFor({"C", "Am", "Em", "Dm", "G", "G"}, 3);
        v.tally.set(chordIndex("Em"), 1, 4);
        v.tally.set(chordIndex("Em"), 3, 2);
        QCOMPARE(names(removeBlips(v.records, v.tally)),
                 std::vector<std::string>({"C", "Em", "Em", "Em", "G", "G"}));
        // A tie over a run goes to the first candidate with the largest count.
        v = votesFor({"C", "Am", "Em", "G"}, 3);
        QCOMPARE(names(removeBlips(v.records, v.tally)), std::vector<std::string>({"C", "Am", "Am", "G"}));
        // Beats without a chord count no frames.
        v = votesFor({"C", "C", "G", "C"});
        v.records[2] = ChordInfo();
        QCOMPARE(names(removeBlips(v.records, v.tally))[2], std::string("C"));
    }

    void segmentsOfFourBeatBars()
    {
        // Bars of C and G; one beat voted Am (not a main chord), one bar boundary smeared.
        std::vector<std::string> labels = repeated({{"C", 4}, {"G", 4}, {"C", 4}, {"G", 4},
                                                    {"C", 4}, {"G", 4}, {"C", 4}, {"G", 4}});
        Votes v = votesFor(labels);
        v.records[13] = chordName(9, 1);
        v.tally.set(chordIndex("G"), 13, 0);
        v.tally.set(chordIndex("Am"), 13, 8);
        v.tally.set(chordIndex("G"), 20, 5);
        v.tally.set(chordIndex("C"), 20, 3);
        const std::vector<int> mains = mainChords(v.records);
        QVERIFY(std::find(mains.begin(), mains.end(), chordIndex("Am")) == mains.end());
        const SegmentModel m = segmentModel(4);
        const std::vector<ChordInfo> out = smoothChordSegments(v.tally, mains, m.weights, m.offsets, v.records);
        QCOMPARE(names(out), labels);

        // With the pattern search: the C-G pairs recur, and the result stays the bar labels.
        const auto both = smoothBeatChords(v.tally, mains, v.records, 4);
        QCOMPARE(names(both.first), labels);
        QCOMPARE(names(both.second), labels);
        // Three beats per bar take the 3 / 6 model.
        QCOMPARE(segmentModel(6).offsets, std::vector<int>({-1, -3, -6}));
    }

    void segmentOptionTiesGoToTheLongerSegment()
    {
        // Beat 0 favours G, beat 1 C. For C at beat 1 one beat scores 2 + best[0] = 3 and two
        // beats score 1.5 (0 + 2) = 3: the tie goes to the later option, the two-beat segment.
        Votes v = votesFor({"G", "C"}, 0);
        v.tally.set(chordIndex("G"), 0, 1);
        v.tally.set(chordIndex("C"), 1, 2);
        const std::vector<int> mains{chordIndex("C"), chordIndex("G"), -1};
        QCOMPARE(names(smoothChordSegments(v.tally, mains, {1.0f, 1.5f}, {-1, -2}, v.records)),
                 std::vector<std::string>({"C", "C"}));
        // Without the tie (two beats weighed a little less) the one-beat option wins.
        QCOMPARE(names(smoothChordSegments(v.tally, mains, {1.0f, 1.25f}, {-1, -2}, v.records)),
                 std::vector<std::string>({"G", "C"}));
    }

    void rootQualitiesPreferTheLowerQuality()
    {
        ChordTally t{};
        t[0][0] = t[0][1] = 3;              // C: as many major as minor beats
        t[2][1] = t[2][6] = 2;              // D: minor and m7 tied
        t[7][4] = 2;                        // G: mostly 7
        t[7][0] = 1;
        t[9][1] = 1;                        // A: minor
        const std::array<int, 12> q = rootQualities(t);
        QCOMPARE(q[0], 0);
        QCOMPARE(q[2], 1);
        QCOMPARE(q[7], 4);
        QCOMPARE(q[9], 1);
        QCOMPARE(q[4], 0); // no beat at all: major
    }

    void segmentsOfOtherBarLengths()
    {
        // Five beats per bar: single and double beats only, no patterns.
        const std::vector<std::string> labels = repeated({{"C", 10}, {"G", 10}, {"Am", 10}});
        Votes v = votesFor(labels);
        v.records[4] = chordName(5, 0);
        v.tally.set(chordIndex("C"), 4, 1);
        v.tally.set(chordIndex("F"), 4, 2);
        const std::vector<int> mains{chordIndex("C"), chordIndex("G"), chordIndex("Am"), -1};
        for (int beatsPerBar : {5, 7, 9, 11}) {
            const SegmentModel m = segmentModel(beatsPerBar);
            QCOMPARE(int(m.offsets.size()), 2);
            QCOMPARE(m.patternFactor, 0.0f);
            const auto both = smoothBeatChords(v.tally, mains, v.records, beatsPerBar);
            for (const ChordInfo &c : both.first)
                QVERIFY(c.fullName != "F");
            QCOMPARE(names(both.second), labels);
        }

        // Without any main chord the vote labels stay as they are.
        Votes none = votesFor({"C", "G", "C"});
        none.records[1] = ChordInfo();
        const auto kept = smoothBeatChords(none.tally, std::vector<int>(84, -1), none.records, 4);
        QCOMPARE(names(kept.first), std::vector<std::string>({"C", "-1", "C"}));
        QCOMPARE(names(kept.second), std::vector<std::string>({"C", "C", "C"}));
        QCOMPARE(names(smoothChordSegments(none.tally, {-1}, {0.0f, 0.8f, 1.0f}, {-1, -2, -4}, none.records)),
                 std::vector<std::string>({"C", "-1", "C"}));
    }

    void chordPatterns()
    {
        const std::vector<std::pair<int, int>> pairs = segmentModel(4).lengthPairs;
        // C 4, G 4 repeated: the last run is not counted; both orders recur.
        std::vector<std::string> labels;
        for (int i = 0; i < 5; ++i) {
            const auto bar = repeated({{"C", 4}, {"G", 4}});
            labels.insert(labels.end(), bar.begin(), bar.end());
        }
        ChordPatterns p = findChordPatterns(labels, pairs);
        QCOMPARE(p.size(), 2);
        QCOMPARE(p.firstChord[0], chordIndex("C"));
        QCOMPARE(p.secondChord[0], chordIndex("G"));
        QCOMPARE(p.firstLength[0], 4);
        QCOMPARE(p.secondLength[0], 4);
        QCOMPARE(p.firstChord[1], chordIndex("G"));

        // Pairs with a label of no chord are skipped.
        labels = repeated({{"C", 4}, {"-1", 4}, {"G", 4}, {"-1", 2}, {"C", 4}, {"G", 4}, {"C", 1}});
        p = findChordPatterns(labels, pairs);
        QCOMPARE(p.size(), 1);
        QCOMPARE(p.firstChord[0], chordIndex("C"));
        QCOMPARE(p.secondChord[0], chordIndex("G"));

        // Share thresholds: lengths of the model need more than 3 %, others more than 10 %.
        labels.clear();
        for (int i = 0; i < 20; ++i) {
            const auto bar = repeated({{"C", 4}, {"G", 4}});
            labels.insert(labels.end(), bar.begin(), bar.end());
        }
        // 40 runs so far; then one D 2 / E 2 pair (1 of 43 pairs) and one A 4 / B 4 pair.
        const auto tail = repeated({{"D", 2}, {"E", 2}, {"A", 4}, {"B", 4}, {"F", 1}});
        labels.insert(labels.end(), tail.begin(), tail.end());
        p = findChordPatterns(labels, pairs);
        for (int i = 0; i < p.size(); ++i) {
            QVERIFY(p.firstChord[i] != chordIndex("D"));
            QVERIFY(p.firstChord[i] != chordIndex("A"));
        }
        // Two-beat runs with a large share become patterns although the model has no (2, 2).
        p = findChordPatterns(repeated({{"D", 2}, {"E", 2}, {"D", 2}, {"E", 2}, {"D", 2}}), pairs);
        QCOMPARE(p.size(), 2);
        QCOMPARE(p.firstLength[0], 2);
        // Fewer than three runs: no pair.
        QCOMPARE(findChordPatterns(repeated({{"C", 4}, {"G", 4}}), pairs).size(), 0);

        const SegmentModel m = segmentModel(4);
        ChordPatterns w;
        w.firstChord = {0, 7};
        w.secondChord = {7, 0};
        w.firstLength = {4, 8};
        w.secondLength = {4, 8};
        const std::vector<float> weights = chordPatternWeights(m, w);
        QCOMPARE(weights[0], 1.2f);
        QCOMPARE(weights[1], (1.2f * 8.0f + 8.0f * 1.0f) / 16.0f);
        QVERIFY(chordPatternWeights(segmentModel(5), w).empty());
    }
};

QTEST_APPLESS_MAIN(TestChordStages)
#include "tst_chordstages.moc"
