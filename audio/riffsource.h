// RiffSource: what the player needs to know of one riff while it plays riffs and songs:
// the beat index of each step, the last step in use and each step's pitch factor.
// The riff selections on the waveform implement it; AudioPlayer only reads it.
#pragma once

class RiffSource
{
public:
    virtual ~RiffSource() = default;
    static constexpr int stepCount = 16;

    // Beat index (into the analysis' beat list) of step 0..15; -1 when the step is unset.
    virtual int stepBeat(int step) const = 0;
    // Index of the riff's last step in use; -1 for an empty riff.
    virtual int lastBeatIndex() const = 0;
    // Pitch factor of a step, 1.0 = unchanged.
    virtual float stepPitch(int step) const = 0;
};
