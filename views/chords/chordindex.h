// ChordIndex: the chord numbers of the chord views and their transposition. A chord name
// ("C#m", "Bbsus4") is one of 84 numbers, quality x 12 + root, with roots counted from A
// (A, A#/Bb, B, C, C#/Db, D, D#/Eb, E, F, F#/Gb, G, G#/Ab) and the qualities major, "m",
// "7", "sus4", "sus2", "maj7", "m7"; every other name is -1. The chord strip names its
// labels with it, and the chord viewer picks its diagram cells with it, so both always
// show the same chord for the same key shift and capo.
#pragma once
#include <QString>

class ChordIndex
{
public:
    static constexpr int rootCount = 12;
    static constexpr int qualityCount = 7;
    static constexpr int chordCount = rootCount * qualityCount;

    // The index of a name, matched exactly and case-sensitively; -1 for anything else.
    static int indexOf(const QString &name);

    // The semitones that a key shift (semitones, fine tune included) and a capo (frets)
    // move the shown chords by: the key shift rounded to whole semitones, less the capo,
    // brought back into -12..12.
    static int shiftAmount(float keyShift, float capo);

    // The index moved by a number of semitones, any number, within its quality; -1 stays -1.
    static int shifted(int index, int semitones);

    // The chord viewer's query: the index at the current shift `current`, taken back by
    // twice `shownAt`. With shownAt 0 it moves a detected chord into the current key; with
    // shownAt equal to the shift at which a name was shown it moves that name back to the
    // detected chord.
    static int transposed(int index, int current, int shownAt) { return shifted(index, current - 2 * shownAt); }

    // The shown spelling of a root (A, Bb, B, C, C#, D, Eb, E, F, F#, G, Ab; see
    // ChordSpelling) and of a whole chord; empty outside the range.
    static QString rootName(int root);
    static QString qualitySuffix(int quality);
    static QString chordName(int index);

    // Splits a name into its root spelling and the rest ("Ebmaj7" gives "Eb" and "maj7").
    // The root is the first letter, with a following "#" or "b".
    static QString rootPart(const QString &name);

    // A name moved by a number of semitones and spelt the shown way ("-" for a name that
    // is not a chord).
    static QString shiftedName(const QString &name, int semitones);
};
