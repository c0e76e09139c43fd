// Guitar voicings for the chord diagrams: one playable standard-tuning shape for each of
// the 84 chords of the chord viewer (index = quality x 12 + root, roots from A, qualities
// major, "m", "7", "sus4", "sus2", "maj7", "m7") and one power-chord shape per root.
// Open shapes where they exist, barre shapes elsewhere; the lowest sounding string is
// always the root. Used by the diagram drawing and checked by the resource tests.
#pragma once
#include <array>

namespace Voicings {

constexpr int kStrings = 6;   // low E first
constexpr int kMuted = -1;
constexpr int kRoots = 12;
constexpr int kQualities = 7;
constexpr int kChords = kRoots * kQualities;

using Shape = std::array<int, kStrings>;  // fret per string, kMuted for an unplayed string

// Pitch class (C = 0) of each open string, low E first: E A D G B E.
constexpr std::array<int, kStrings> kOpenStrings{4, 9, 2, 7, 11, 4};

Shape chordShape(int index);        // 0..83
Shape powerChordShape(int root);    // 0..11, root and fifth (and the octave)

// Display names: the program's one spelling of the roots ("A", "Bb", ..., ChordSpelling)
// and the suffixes "", "m", "7", "sus4", "sus2", "maj7", "m7".
const char *rootName(int root);
const char *qualitySuffix(int quality);
// Semitone intervals of a quality above the root (major: 0 4 7), as a bit set.
int qualityIntervals(int quality);
// Pitch class (C = 0) of a root counted from A.
int rootPitchClass(int root);

// First fret a diagram window shows (1 = at the nut), so that all fretted notes fit
// in `span` frets.
int baseFret(const Shape &shape, int span = 5);
// The fret that the index finger bars from the bass string to the top string, or 0.
int barreFret(const Shape &shape);

} // namespace Voicings
