#ifndef PLECTRONOME_TRACKANALYSIS_H
#define PLECTRONOME_TRACKANALYSIS_H

#include <string>
#include <vector>

// Result of one whole-track analysis, filled by analyseTrack() and copied by the analysis
// thread into the results that the views read. A plain value: it owns its vectors.
struct TrackAnalysis
{
    // Number of labels in chordList: one per chord class (12 roots x 7 qualities).
    static constexpr int kChordClassCount = 84;

    // Tempo in beats per minute; 0 when the track gave no usable tempo.
    float tempo = 0.0f;
    // Beat positions in samples from the start of the track, ascending.
    std::vector<float> beats;
    // One chord label per entry of beats; "X" for beats added before the first or after the
    // last tracked beat.
    std::vector<std::string> chordLabels;
    // The track's chords, most frequent first, then empty strings; always 84 entries once
    // analyseTrack() has run.
    std::vector<std::string> chordList;

    // Back to the empty state: tempo 0, empty vectors.
    void reset()
    {
        tempo = 0.0f;
        beats.clear();
        chordLabels.clear();
        chordList.clear();
    }
};

#endif
