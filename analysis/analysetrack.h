#ifndef PLECTRONOME_ANALYSETRACK_H
#define PLECTRONOME_ANALYSETRACK_H

#include "analysis/chordtemplates.h"
#include "analysis/trackanalysis.h"

#include <atomic>
#include <vector>

// Entry point of the whole-track analysis, called on the analysis thread once per opened
// file: onset detection, tempo and metre, beat tracking, then the chord stages on the
// tracked beats. A pure function of its inputs: no globals, no locks, nothing kept
// between calls.
//
// Fills `result` from `sampleCount` mono samples at `sampleRate` Hz (the caller keeps the
// samples). A track that is too short, silent, or without a tempo gives tempo 0, no beats,
// no labels and a chord list of 84 empty strings.
//
// When `cancel` is given and becomes true, the analysis stops at the next stage and the
// result is the empty one (used when the program closes during an analysis).
//
// When `chordMask` is given (the user's chord filter: roots from C, qualities major, m,
// sus2, sus4, 7, maj7, m7), the chord recognition names only the chords it enables.
void analyseTrack(TrackAnalysis &result, const float *samples, int sampleRate, int sampleCount,
                  const std::atomic<bool> *cancel = nullptr, const analysis::ChordMask *chordMask = nullptr);

namespace analysis {

// Frame layout of the onset analysis for a sample rate: frame length N (512, 1024 or
// 2048), hop N/2, and the number of whole frames in sampleCount samples (0 if none).
struct FrameLayout
{
    int frameLength = 0;
    int hop = 0;
    int frameCount = 0;
};
FrameLayout frameLayout(int sampleRate, int sampleCount);

// Completes the tracked beats (frames, ascending) with beats at whole periods before the
// first and after the last, never before frame 0 nor beyond frame `frameCount`.
struct BeatList
{
    std::vector<int> frames;   // all beats, ascending
    int addedBefore = 0;       // how many of them precede the first tracked beat
    int addedAfter = 0;        // how many follow the last tracked beat
};
BeatList completeBeatList(const std::vector<int> &tracked, int frameCount, float period);

// Beat positions in samples of beat frames (ascending): frame e is placed at (e + 1) hop,
// except that a first beat on frame 0 is placed at 0, the start of the track.
std::vector<float> beatPositions(const std::vector<int> &frames, int hop);

} // namespace analysis

#endif
