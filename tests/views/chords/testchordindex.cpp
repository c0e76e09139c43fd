#include "testchordindex.h"

#include "views/chords/chordindex.h"

#include <QSet>
#include <QtTest>

void TestChordIndex::namesAndSpellings()
{
    const char *roots[12][2] = {{"A", nullptr}, {"A#", "Bb"}, {"B", nullptr}, {"C", nullptr},
                                {"Db", "C#"},   {"D", nullptr}, {"Eb", "D#"}, {"E", nullptr},
                                {"F", nullptr}, {"F#", "Gb"}, {"G", nullptr}, {"Ab", "G#"}};
    const char *suffixes[7] = {"", "m", "7", "sus4", "sus2", "maj7", "m7"};
    QSet<QString> spellings;
    for (int q = 0; q < 7; ++q) {
        for (int r = 0; r < 12; ++r) {
            for (const char *root : roots[r]) {
                if (!root)
                    continue;
                const QString name = QString(root) + suffixes[q];
                spellings.insert(name);
                QCOMPARE(ChordIndex::indexOf(name), q * 12 + r);
            }
            // The strip's own spelling reads back to the same index.
            QCOMPARE(ChordIndex::indexOf(ChordIndex::chordName(q * 12 + r)), q * 12 + r);
        }
    }
    QCOMPARE(spellings.size(), 119);
    QCOMPARE(ChordIndex::indexOf("C#m"), 16);
    QCOMPARE(ChordIndex::indexOf("Dbm"), 16);
    QCOMPARE(ChordIndex::indexOf("G#m7"), 83);
    for (const char *bad : {"c#m", "am", "A m", "Amin", "Cadd9", "-", "X", "", "H", "Cb", "E#", "Am ", "AM7", "A7sus4"})
        QCOMPARE(ChordIndex::indexOf(bad), -1);
    QCOMPARE(ChordIndex::chordName(-1), QString());
    QCOMPARE(ChordIndex::chordName(84), QString());
    QCOMPARE(ChordIndex::rootPart("Ebmaj7"), QString("Eb"));
    QCOMPARE(ChordIndex::rootPart("Am7"), QString("A"));
    QCOMPARE(ChordIndex::shiftedName("Am7", 3), QString("Cm7"));
    QCOMPARE(ChordIndex::shiftedName("Ebmaj7", 5), QString("Abmaj7"));
    QCOMPARE(ChordIndex::shiftedName("X", 5), QString("-"));
}

void TestChordIndex::shiftAmountFromKeyAndCapo()
{
    QCOMPARE(ChordIndex::shiftAmount(2, 0), 2);
    QCOMPARE(ChordIndex::transposed(0, 2, 0), 2);   // A -> B
    QCOMPARE(ChordIndex::transposed(10, 2, 0), 0);  // G -> A
    QCOMPARE(ChordIndex::transposed(82, 2, 0), 72); // Gm7 -> Am7
    QCOMPARE(ChordIndex::shiftAmount(0, 3), -3);
    QCOMPARE(ChordIndex::transposed(3, -3, 0), 0); // C -> A with capo 3
    QCOMPARE(ChordIndex::transposed(0, -3, 0), 9);
    QCOMPARE(ChordIndex::shiftAmount(-12, 11), -11);
    QCOMPARE(ChordIndex::shiftAmount(12, 0), 12);
    // A fine tune rounds to the nearest semitone, halves upwards.
    QCOMPARE(ChordIndex::shiftAmount(2.4f, 0), 2);
    QCOMPARE(ChordIndex::shiftAmount(2.5f, 0), 3);
    QCOMPARE(ChordIndex::shiftAmount(-2.6f, 1), -4);
    QCOMPARE(ChordIndex::shiftAmount(std::numeric_limits<float>::quiet_NaN(), 0), 0);
    for (float k = -12; k <= 12; k += 0.25f) {
        for (int c = 0; c <= 11; ++c) {
            const int s = ChordIndex::shiftAmount(k, float(c));
            QVERIFY2(s >= -12 && s <= 12, qPrintable(QString("k %1 capo %2 gives %3").arg(k).arg(c).arg(s)));
        }
    }
    // Key shift +5: D is shown as G, and G shown at +5 goes back to D.
    QCOMPARE(ChordIndex::transposed(5, 5, 0), 10);
    QCOMPARE(ChordIndex::transposed(10, 5, 5), 5);
}

void TestChordIndex::shiftWrapsAnyOffsetAndKeepsNone()
{
    // Key shift -12 and capo 11 reach 23 semitones down, key +12 and capo 0 with a shown
    // shift of -12 reach 36 up: every offset lands on the right root.
    for (int index = 0; index < 84; ++index) {
        for (int offset = -40; offset <= 40; ++offset) {
            const int moved = ChordIndex::shifted(index, offset);
            QCOMPARE(moved / 12, index / 12);
            QCOMPARE(((moved % 12) - (index % 12) - offset) % 12, 0);
        }
    }
    QCOMPARE(ChordIndex::shifted(0, 35), 11);
    QCOMPARE(ChordIndex::shifted(0, -23), 1);
    QCOMPARE(ChordIndex::shifted(-1, 0), -1);
    QCOMPARE(ChordIndex::shifted(-1, 7), -1);
    QCOMPARE(ChordIndex::shifted(84, 0), -1);
}

void TestChordIndex::forwardThenBackIsIdentity()
{
    const float fractions[] = {0.0f, 0.3f, 0.5f, -0.5f, 0.7f, -0.2f};
    for (int k = -12; k <= 12; ++k) {
        for (float f : fractions) {
            for (int c = 0; c <= 11; ++c) {
                const int s = ChordIndex::shiftAmount(float(k) + f, float(c));
                for (int index = 0; index < 84; ++index) {
                    const int shown = ChordIndex::transposed(index, s, 0);
                    QCOMPARE(ChordIndex::transposed(shown, s, s), index);
                    QCOMPARE(ChordIndex::indexOf(ChordIndex::chordName(shown)), shown);
                }
            }
        }
    }
}
