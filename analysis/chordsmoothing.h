#ifndef PLECTRONOME_CHORDSMOOTHING_H
#define PLECTRONOME_CHORDSMOOTHING_H

#include "analysis/beatchordtally.h"
#include "analysis/chordnames.h"

#include <string>
#include <utility>
#include <vector>

// Smoothing of the per-beat chord votes: a segmental dynamic programme cuts the track into
// bar-length segments, each labelled with one of the track's main chords, optionally using
// recurring pairs of chords as patterns, and lone beats that differ from both neighbours
// (blips) are replaced. Called by the chord recognition on the analysis thread.

namespace analysis {

// Segment lengths for a number of beats per bar.
struct SegmentModel
{
    std::vector<int> offsets;                     // segment lengths as negative numbers
    std::vector<float> weights;                   // one per offset, then one per pattern
    std::vector<std::pair<int, int>> lengthPairs; // (first, second) lengths that patterns favour
    float patternFactor = 0.0f;                   // 0: no pattern search
};

SegmentModel segmentModel(int beatsPerBar);

// Recurring pairs of consecutive chords: four parallel lists.
struct ChordPatterns
{
    std::vector<int> firstChord, secondChord; // chord indices
    std::vector<int> firstLength, secondLength; // in beats

    int size() const { return static_cast<int>(firstChord.size()); }
};

// Labels every beat with a main chord (`mainChords` is read up to its first -1) so that the
// weighted frame tallies of the segments are largest. `weights` holds one weight per offset,
// then one per pattern. Without any main chord the vote records are returned unchanged.
std::vector<ChordInfo> smoothChordSegments(const BeatChordTally &tally, const std::vector<int> &mainChords,
                                           const std::vector<float> &weights, const std::vector<int> &offsets,
                                           const std::vector<ChordInfo> &votes,
                                           const ChordPatterns &patterns = ChordPatterns());

// Pairs of consecutive label runs (the last run of the track does not count) whose lengths
// recur: a (first, second) length entry becomes a pattern when its share of all pairs is
// above `shareWithLengths` percent and its lengths are among `lengthPairs`, or when its share
// is above `shareAlone` percent. Pairs with a label that names no chord are skipped.
ChordPatterns findChordPatterns(const std::vector<std::string> &labels,
                                const std::vector<std::pair<int, int>> &lengthPairs,
                                double shareWithLengths = 3.0, double shareAlone = 10.0);

// Weights of the patterns for a model: the pattern factor for patterns shorter than 9 beats,
// blended towards the largest of the first three offset weights for longer ones.
std::vector<float> chordPatternWeights(const SegmentModel &model, const ChordPatterns &patterns);

// Replaces the blips: beats (never the first or last) whose name differs from both
// neighbours. A lone blip takes the neighbour chord its frames favour (the previous one on a
// tie); a run of blips takes, as a whole, the chord of the run or its two neighbours with the
// most frames over the run.
std::vector<ChordInfo> removeBlips(const std::vector<ChordInfo> &records, const BeatChordTally &tally);

// The whole smoothing of the vote records for `beatsPerBar` beats per bar: a first
// segmentation, and for 2, 3, 4, 6 or 8 beats per bar a second one with the chord patterns
// of the first. Returns the segmented records and their blip-free version.
std::pair<std::vector<ChordInfo>, std::vector<ChordInfo>>
smoothBeatChords(const BeatChordTally &tally, const std::vector<int> &mainChords,
                 const std::vector<ChordInfo> &votes, int beatsPerBar);

} // namespace analysis

#endif
