#ifndef PLECTRONOME_CHORDRECOGNITION_H
#define PLECTRONOME_CHORDRECOGNITION_H

#include "analysis/beatchordtally.h"
#include "analysis/chordframes.h"
#include "analysis/chordnames.h"
#include "analysis/chordtemplates.h"
#include "analysis/chroma.h"

#include <array>
#include <string>
#include <vector>

// Chord recognition of a whole track: one chord label per tracked beat out of the 84
// chord classes of the analysis, and the track's chords ranked by their number of beats.
// analyseTrack() calls recogniseChords() on the analysis thread once the beats are tracked.

namespace analysis {

struct ChordRecognition
{
    // One label per tracked beat: after the segment smoothing, then without blips.
    std::vector<std::string> beatLabels1, beatLabels2;
    // 84 names each: the chords of the two label lists by number of beats, then "".
    std::vector<std::string> chordList1, chordList2;
    // Per beat: share of the beat's frames that voted for its chord (0 ... 1).
    std::vector<float> confidence;
    // Per beat: chroma normalised to a largest value of 1 (all zero without any peak).
    std::vector<Chroma> beatChroma;
    // Tuning of the recording in semitones from A = 440 Hz.
    float tuning = 0.0f;
    // Analysis frames per beat at the track's tempo.
    int framesPerBeat = 1;
};

// Recognises the chords of `sampleCount` mono samples at `sampleRate` Hz on the tracked
// beats `beatFrames` (onset frames of `hop` samples, ascending), at a chord period of
// `chordPeriod` onset frames per beat and `beatsPerBar` beats per bar. Without a caller's
// mask, the recogniser chooses major, minor or 7 for every root from the track itself;
// with one, it uses exactly the chords that mask enables.
ChordRecognition recogniseChords(const float *samples, int sampleCount, int sampleRate,
                                 const std::vector<int> &beatFrames, int hop, int chordPeriod,
                                 int beatsPerBar, const ChordMask *callerMask = nullptr);

// The per-beat vote over the frame records: every beat takes the chord most of its frames
// matched.
struct BeatVote
{
    std::vector<ChordInfo> records;               // one per beat
    std::vector<std::vector<ChordInfo>> tied;     // per beat: chords sharing the top count, winner last
    std::vector<int> confidence;                  // per beat: the top count
    BeatChordTally tally;                         // frames per beat and chord
};
BeatVote voteBeatChords(const std::vector<ChordFrame> &frames, const std::vector<ChordInfo> &frameRecords,
                        int beatCount);

// The quality every root takes in the second pass: the one with the largest first-pass
// tally, ties going to the lower quality (so a root without any tally, or with as many
// major as minor beats, takes major).
std::array<int, 12> rootQualities(const ChordTally &tally);

// Chords that are common in some stretch of the track (windows of 60 beats every 30 beats
// plus one over the last 60 beats when those stop short of the end, or the whole track when
// shorter than 60 beats): 84 chord indices, the main chords first, then -1.
std::vector<int> mainChords(const std::vector<ChordInfo> &beats);

// The chords of the beats by number of beats, most frequent first: 84 names (then "") and
// 84 chord indices (then -1).
void rankChords(const std::vector<ChordInfo> &beats, std::vector<std::string> &names, std::vector<int> &indices);

} // namespace analysis

#endif
