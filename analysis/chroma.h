#ifndef PLECTRONOME_CHROMA_H
#define PLECTRONOME_CHROMA_H

#include "analysis/chordframes.h"
#include "analysis/semitonespectrogram.h"

#include <array>
#include <vector>

// Chroma (12 pitch classes from C) of the chord frames and of the beats, built from the
// semitone spectrogram. The chord recognition matches these vectors against its chord
// templates.

namespace analysis {

using Chroma = std::array<float, 12>;

// Chroma of every frame: in each of the 7 octaves, the four strongest semitones add their
// value to their pitch class.
std::vector<Chroma> frameChroma(const SemitoneSpectrogram &spectrogram);

// Chroma of every beat: the sum over the frames that the beat owns (lead-in frames count
// for no beat), divided by its largest value unless that is 0.
std::vector<Chroma> beatChroma(const std::vector<Chroma> &frames,
                               const std::vector<ChordFrame> &layout, int beatCount);

} // namespace analysis

#endif
