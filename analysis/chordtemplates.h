#ifndef PLECTRONOME_CHORDTEMPLATES_H
#define PLECTRONOME_CHORDTEMPLATES_H

#include "analysis/chordnames.h"
#include "analysis/chroma.h"

#include <array>
#include <vector>

// Template matching of chroma vectors against the chord classes of the analysis: triads
// (major, minor, sus2, sus4) and four-note chords (7, maj7, m7), restricted to the chords
// a mask enables. The chord recognition runs it once over the beats and once over the
// analysis frames.

namespace analysis {

// 12 roots from C by 7 qualities (maj, min, sus2, sus4, 7, maj7, m7); 1 enables a chord.
using ChordMask = std::array<std::array<int, 7>, 12>;
// Matches per root and quality.
using ChordTally = std::array<std::array<int, 7>, 12>;

// Template weight of pitch class `pitchClass` (0 ... 11 from C) in the chord of `root`
// and `quality`.
float chordTemplateWeight(int root, int quality, int pitchClass);

// One record per chroma vector, in order: the best enabled chord, or the empty record when
// the vector has no energy or no enabled template scores above 0. Every match increments
// tally[root][quality].
std::vector<ChordInfo> matchChordTemplates(const std::vector<Chroma> &chroma, const ChordMask &mask,
                                           ChordTally &tally);

} // namespace analysis

#endif
