#ifndef PLECTRONOME_BEATCHORDTALLY_H
#define PLECTRONOME_BEATCHORDTALLY_H

#include "analysis/chordnames.h"

#include <vector>

// How many analysis frames of every beat matched every chord class, filled by the chord
// vote and read by the segment smoothing and the blip removal.

namespace analysis {

class BeatChordTally
{
public:
    BeatChordTally() = default;
    explicit BeatChordTally(int beats)
        : m_beats(beats > 0 ? beats : 0), m_counts(static_cast<size_t>(m_beats) * kChordClassCount, 0)
    {
    }

    int beatCount() const { return m_beats; }

    // Frames of `beat` that matched chord index `chord`; 0 for an invalid chord or beat.
    int at(int chord, int beat) const
    {
        if (chord < 0 || chord >= kChordClassCount || beat < 0 || beat >= m_beats)
            return 0;
        return m_counts[static_cast<size_t>(beat) * kChordClassCount + chord];
    }
    void set(int chord, int beat, int count)
    {
        if (chord >= 0 && chord < kChordClassCount && beat >= 0 && beat < m_beats)
            m_counts[static_cast<size_t>(beat) * kChordClassCount + chord] = count;
    }

private:
    int m_beats = 0;
    std::vector<int> m_counts; // beat after beat, 84 counts each
};

} // namespace analysis

#endif
