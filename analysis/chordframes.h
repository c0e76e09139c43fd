#ifndef PLECTRONOME_CHORDFRAMES_H
#define PLECTRONOME_CHORDFRAMES_H

#include <vector>

// Beat-synchronous frame layout of the chord analysis: windows of 4096 samples at a hop
// of 1024 samples inside every tracked beat, each later beat preceded by one lead-in frame
// exactly one hop before its first frame. The semitone spectrogram transforms these frames
// in list order; the chord vote walks the same list to gather the frames of each beat.

namespace analysis {

constexpr int kChordWindow = 4096;
constexpr int kChordHop = 1024;
constexpr int kChordFftLength = 8192;

struct ChordFrame
{
    int start = 0; // first sample of the window (may lie outside the track: read as zeros)
    int beat = -1; // the beat that owns the frame, -1 for a lead-in or closing frame
};

struct ChordFrameList
{
    std::vector<ChordFrame> frames;
    int framesPerBeat = 1; // windows per beat at the track's tempo, at least 1
};

// Frames for the tracked beats `beatFrames` (onset frames of `hop` samples, ascending) at
// a chord period of `chordPeriod` onset frames per beat, in a track of `sampleCount`
// samples. Every beat but the last gets framesPerBeat frames; the last beat keeps only the
// frames whose window ends inside the track, and if even its first three hops do not fit,
// it is dropped and one closing frame (beat -1) ends the list.
ChordFrameList chordFrames(const std::vector<int> &beatFrames, int hop, int chordPeriod,
                           int sampleCount);

} // namespace analysis

#endif
