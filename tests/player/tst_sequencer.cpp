// The sequencer alone, for riffs and songs: which stretch plays, how many output frames it
// lasts and what follows (loops: tst_audioplayer's capture). Beats every 22050 frames.
#include "audio/sequencer.h"

#include <QtTest>

#include <vector>

namespace {

constexpr int kBeat = 22050;
constexpr int kFirst = 4096;

int windowStart(int beat) { return kFirst + kBeat * beat - Sequencer::stepLead; }

class Steps : public RiffSource
{
public:
    std::vector<int> beats;
    std::vector<float> pitches;
    int stepBeat(int step) const override { return step < int(beats.size()) ? beats[size_t(step)] : -1; }
    int lastBeatIndex() const override { return int(beats.size()) - 1; }
    float stepPitch(int step) const override { return step < int(pitches.size()) ? pitches[size_t(step)] : 1.0f; }
};

} // namespace

class TestSequencer : public QObject
{
    Q_OBJECT
    std::vector<float> m_beats;
    Steps m_riffs[SongSlots::riffCount];
    SongSlots m_song;
    Sequencer m_seq;

private slots:
    void initTestCase()
    {
        for (int b = 0; b < 40; ++b)
            m_beats.push_back(float(kFirst + kBeat * b));
        m_seq.setTrack(kFirst + kBeat * 40);
        m_seq.setBeats(m_beats.data(), int(m_beats.size()));
        for (const Steps &r : m_riffs)
            m_seq.addRiff(&r);
        m_seq.setSong(&m_song);
    }

    // A step lasts its beat at any tempo (0.8: 819 track frames a block); unset steps are skipped.
    void riffStepsLastTheirBeatAndStartOver()
    {
        m_riffs[0].beats = {20, 21, -1, 30};
        m_riffs[0].pitches = {1.0f, 1.0f, 1.0f, 2.0f};
        QVERIFY(m_seq.playRiff(0));
        const Sequencer::Stretch s = m_seq.current();
        QVERIFY(s.start == windowStart(20) && s.end == windowStart(21));
        QCOMPARE(m_seq.framesLeft(s.start, 1024), kBeat);
        QCOMPARE(m_seq.framesLeft(s.start, 819), 27570);
        QCOMPARE(m_seq.framesLeft(s.end - 1, 1024), 1);
        QVERIFY(m_seq.holds(s.end) && !m_seq.holds(s.end + 1) && !m_seq.holds(s.start - kBeat / 2));
        Sequencer::Next n = m_seq.next();
        QVERIFY(n.stretch.step == 1 && n.stretch.start == s.end && !n.wrapped);
        m_seq.moveTo(n);
        m_seq.moveTo(n = m_seq.next());
        QVERIFY(n.stretch.step == 3 && n.stretch.start == windowStart(30) && n.stretch.pitch == 2.0f);
        n = m_seq.next();
        QVERIFY(n.wrapped && !n.ended && n.stretch.step == 0);
        m_riffs[0].beats = {-1};
        QVERIFY(m_seq.next().ended && !m_seq.playRiff(0));
    }

    // Slot by slot, skipping riffs without steps; an emptied slot gives way, an emptied song ends.
    void songGoesSlotBySlotAndStartsOverAfterTheLast()
    {
        m_riffs[1].beats = {5};
        m_riffs[2].beats = {12, 13};
        m_song.set(3, 1);
        m_song.set(7, 2);
        m_song.set(9, 5);
        QVERIFY(m_seq.playSong() && m_seq.slot() == 3);
        Sequencer::Next n = m_seq.next();
        QVERIFY(n.stretch.slot == 7 && n.stretch.riff == 2 && !n.wrapped);
        m_seq.moveTo(n);
        m_seq.moveTo(m_seq.next());
        QCOMPARE(m_seq.step(), 1);
        n = m_seq.next();
        QVERIFY(n.stretch.slot == 3 && n.wrapped);
        m_song.set(7, -1);
        QCOMPARE(m_seq.next().stretch.slot, 3);
        m_song.clear();
        QVERIFY(m_seq.next().ended);
    }
};

QTEST_GUILESS_MAIN(TestSequencer)
#include "tst_sequencer.moc"
