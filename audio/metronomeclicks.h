// MetronomeClicks: the metronome's clicks on the output of the block engine. After each
// block, schedule() takes the beats whose track frames the block brought in and works out
// the output frame where each of them sounds, with the block's tempo and pitch; mix() then
// adds the clicks that sound in the next output frames. So each click starts on its
// beat's own frame, whatever the tempo, instead of on a block boundary. Playback, riff
// playback and the export all mix their clicks through the player's one instance; where
// the player splices one stretch of the track to the next inside a block, the clicks of
// each side come from the blocks that play it.
#pragma once

#include "real_time_tools/realtimeengine.h"

#include <memory>
#include <vector>

class MetronomeClicks
{
public:
    // A beat sounds this many frames before its position (as the selection places it).
    static constexpr int beatLead = 2048;
    // No limit on the beats schedule() takes.
    static constexpr int noLimit = 0x7fffffff;

    MetronomeClicks();
    void setClick(const float *samples, int length);
    bool isLoaded() const { return m_length > 0; }

    // After each block (`block` is the engine's lastBlock()): the beats (ascending beat
    // positions, each but the last one clicking) that the block's frames brought in get
    // their onsets. Beats sounding at or past `limit` wait for the block that plays them
    // next (the selection's end while it loops, a riff step's end), so a jump that
    // follows does not click them twice. The block's first frame is mixed `offset` frames
    // after the next frame mix() adds to.
    void schedule(const RealTimeEngine::BlockSpan &block, const float *beats, int beatCount, int limit,
                  int offset = 0);
    // Adds gain x the clicks that sound in the next `frames` output frames to both
    // channels, and moves on by that many frames.
    void mix(float *left, float *right, int frames, float gain);
    // For a start primed to sound the track's `frame` first: forgets every click, and
    // the block that reads from `position` takes the beats from `frame` on.
    void restart(int position, int frame);
    // For a splice to another stretch of the track, `at` frames after the next frame mixed:
    // clicks from there on belong to audio that will not be played; those before it sound
    // as they would. The block that reads from `position` takes the beats from `frame` on.
    void spliceAt(int at, int position, int frame);

private:
    std::unique_ptr<float[]> m_click;
    int m_length = 0;
    // Onsets of the clicks waiting or sounding, in output frames from the next frame mixed.
    std::vector<long long> m_onsets;
    // Where the next block continues without a jump, and the track frame up to which
    // beats have their onsets.
    bool m_following = false;
    int m_nextPosition = 0;
    double m_coveredUntil = 0.0;
};
