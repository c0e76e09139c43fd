#ifndef PLECTRONOME_CHORDNAMES_H
#define PLECTRONOME_CHORDNAMES_H

#include <string>

// Chord classes and chord names of the whole-track analysis: 12 roots from C ("C" ... "B",
// with "C#", "D#", "F#", "G#" and "Bb") times 7 qualities in the order major, minor, sus2,
// sus4, 7, maj7, m7. A chord index is 12 * quality + root (0 ... 83). The chord recognition
// and its segment smoothing name every result through these helpers.

namespace analysis {

constexpr int kChordRootCount = 12;
constexpr int kChordQualityCount = 7;
constexpr int kChordClassCount = kChordRootCount * kChordQualityCount;

// One chord as the recognition reports it, for a beat or an analysis frame. The empty
// record (no chord) has both strings "-1", root -1 and quality -1.
struct ChordInfo
{
    std::string suffix = "-1";   // "", "m", "sus2", "sus4", "7", "maj7", "m7"
    std::string fullName = "-1"; // root name and suffix, e.g. "C#m" or "Bbmaj7"
    int root = -1;               // 0 ... 11 from C
    int spare = 0;
    int quality = -1;            // 0 ... 6

    bool hasRoot() const { return root >= 0; }
    // 12 * quality + root, or -1 for the empty record.
    int index() const { return root >= 0 ? 12 * quality + root : -1; }
};

// The two template tables of the recogniser: triads (major, minor, sus2, sus4) and
// four-note chords (7, maj7, m7); a row is 12 * quality-in-table + root.
enum class ChordTable { Triad, FourNote };

// Root name ("C" ... "B") and quality suffix; an empty string when out of range.
std::string chordRootName(int root);
std::string chordQualitySuffix(int quality);

// The record of a root and quality; the empty record when either is out of range.
ChordInfo chordName(int root, int quality);
// The record of a template table row.
ChordInfo chordNameFromIndex(ChordTable table, int row);
// The record of a chord index (12 * quality + root); the empty record outside 0 ... 83.
ChordInfo chordFromClass(int chordIndex);

// Reads a chord name: a root ("C", "C#"/"Db", ... "A#"/"Bb", "B", case-insensitive) and a
// suffix of the seven qualities. Returns false (root and quality -1) for anything else.
// On success the chord index is root + 12 * quality.
bool parseChordName(const std::string &text, int &root, int &quality);

// Upper-cases a string in place, character by character.
void upperCase(std::string &text);

} // namespace analysis

#endif
