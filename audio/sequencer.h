// Sequencer: what the player plays next, to the frame. Playback of the track and of its
// loop, riff and song playback and every offline render ask it, block by block, which
// stretch of the track plays now and at which step pitch, how many output frames are left
// of it, and what follows: the loop's wrap, the next riff step or song slot, or the end.
// The player (AudioPlayer) splices the stretches together, so a step lasts its beat and a
// loop its range exactly, whatever the block grid.
//
// Plain C++. The player owns one and calls it under its pass lock, from the audio thread
// while it plays and from the GUI thread for the renders. The riffs, the song and the beats
// are read live, as the riff builder and the analysis change them.
#pragma once

#include "audio/riffsource.h"
#include "audio/songslots.h"
#include "real_time_tools/realtimeengine.h"

#include <vector>

class Sequencer
{
public:
    static constexpr int stepLead = 2048; // a riff step starts this many frames before its beat
    static constexpr int blockFrames = RealTimeEngine::hopSize; // output frames per block

    enum class Mode { Track, Riff, Song };

    // A stretch of the track, [start, end) in track frames, that plays at one step pitch.
    struct Stretch
    {
        int start = 0;
        int end = 0;
        float pitch = 1.0f; // the step's pitch factor; 1 for the track
        int slot = -1;      // the song slot, the riff and its step; -1 for the track
        int riff = -1;
        int step = -1;
        bool valid = false;
    };
    struct Next
    {
        Stretch stretch;
        bool wrapped = false; // the loop, the riff or the song starts over with it
        bool ended = false;   // nothing follows the current stretch
    };

    // ---- Material -----------------------------------------------------------------------
    // The six riffs in riff order.
    void addRiff(const RiffSource *riff);
    void setSong(const SongSlots *song) { m_song = song; }
    const SongSlots *song() const { return m_song; }
    // The track's length: steps end at its end at the latest.
    void setTrack(int frames);
    // The beats, ascending track frames; valid until the next call.
    void setBeats(const float *beats, int count);
    // The loop of the track: when on, the track plays to `end` and starts over at `start`.
    void setLoop(bool on, int start, int end);

    // ---- What plays -----------------------------------------------------------------------
    // The track up to `end` (or the loop); riff playback from the riff's first step; the song
    // from its first slot that can play. The last two are false when nothing can play.
    void playTrack(int end);
    bool playRiff(int riff);
    bool playSong();
    Mode mode() const { return m_mode; }
    // While a riff plays: the riff the riff builder shows, which the next steps come from.
    void setRiff(int riff) { m_riff = riff; }
    int slot() const { return m_slot; }
    int riff() const { return m_riff; }
    int step() const { return m_step; }

    Stretch current() const;
    Next next() const;
    void moveTo(const Next &next);
    // Whether the current stretch is still what plays at track frame `sounding`, its end
    // included (the riff builder or the selection may have moved it meanwhile).
    bool holds(int sounding) const;
    // Output frames left of the current stretch from an output frame that sounds track
    // frame `sounding`, with `advance` track frames sounding per block.
    int framesLeft(int sounding, int advance) const;

    // ---- Riff steps ------------------------------------------------------------------------
    // The frames a step on `beat` plays, inside the track.
    Stretch window(int beat) const;
    int firstPlayableStep(int riff, int from) const;
    bool riffCanPlay(int riff) const { return firstPlayableStep(riff, 0) >= 0; }
    // The first slot after `after` (round past the last) whose riff can play; -1 for none.
    int nextPlayableSlot(int after) const;
    Stretch stepStretch(int slot, int riff, int step) const;

private:
    const RiffSource *source(int riff) const;

    std::vector<const RiffSource *> m_riffs;
    const SongSlots *m_song = nullptr;
    const float *m_beats = nullptr;
    int m_beatCount = 0;
    int m_length = 0;
    bool m_loop = false;
    int m_loopStart = 0;
    int m_loopEnd = 0;

    Mode m_mode = Mode::Track;
    int m_trackEnd = 0;
    int m_slot = 0;
    int m_riff = 0;
    int m_step = 0;
};
