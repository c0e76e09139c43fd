// ChordSpelling: the one way the program writes a chord's root wherever the user reads a
// chord name: the chord strip, the chord editor and filter, the diagrams, and the keys
// roll and pane of the chord viewer. Each root has one name, the one guitar charts use
// most: C# and F#, but Bb, Eb and Ab. The other names of the same roots (the analysis
// says "D#" and "G#", and older analysis files keep what it said) are read as the same
// chord and shown this way. Plain C++: the image generator draws with it too.
#pragma once

namespace ChordSpelling {

constexpr int rootCount = 12;

// The shown names of the roots counted from A (A, A#/Bb, B, C, C#/Db, ...).
inline constexpr const char *const rootsFromA[rootCount] = {"A", "Bb", "B", "C", "C#", "D",
                                                            "Eb", "E", "F", "F#", "G", "Ab"};
// The other name of the same root, read but never shown; null where there is none.
inline constexpr const char *const otherRootsFromA[rootCount] = {nullptr, "A#", nullptr, nullptr, "Db", nullptr,
                                                                 "D#",    nullptr, nullptr, "Gb", nullptr, "G#"};

// The shown name of a root counted from A; empty outside 0..11.
inline const char *rootFromA(int root)
{
    return root >= 0 && root < rootCount ? rootsFromA[root] : "";
}

} // namespace ChordSpelling
