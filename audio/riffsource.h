// RiffSource: what the player needs to know of one riff while it plays riffs and songs:
// the beat index of each step, the last step that plays and each step's pitch factor.
// The riff selections on the waveform implement it; AudioPlayer only reads it, from its
// own thread, so implementations answer from atomics.
#pragma once

class RiffSource
{
public:
    virtual ~RiffSource() = default;
    static constexpr int stepCount = 16;

    // Beat index (into the analysis' beat list) of step 0..15; -1 when the step is unset.
    virtual int stepBeat(int step) const = 0;
    // The one definition both sides use: the index of the last step that plays. Playback
    // goes from step 0 up to this step and then wraps to step 0. It is -1 when no step
    // plays (an empty riff, a riff whose first step is still being placed, or a loop cut
    // to nothing), and never lies above 15 or above the riff's last assigned step.
    virtual int lastBeatIndex() const = 0;
    // Pitch factor of a step, 1.0 = unchanged.
    virtual float stepPitch(int step) const = 0;
};
