#include "audio/sequencer.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// A beat position as a frame index, held to what an int holds.
int frameOf(float value)
{
    if (!std::isfinite(value))
        return 0;
    return int(std::clamp(value, -1.0e9f, 1.0e9f));
}

// How far before a stretch the sound may lie and still be the stretch's: a change of
// tempo or pitch moves the frame the engine sounds by up to a few thousand frames.
constexpr int kStartSlack = 2 * RealTimeEngine::frameSize;

} // namespace

void Sequencer::addRiff(const RiffSource *riff)
{
    m_riffs.push_back(riff);
}

void Sequencer::setTrack(int frames)
{
    m_length = std::max(0, frames);
    m_trackEnd = m_length;
}

void Sequencer::setBeats(const float *beats, int count)
{
    m_beats = beats;
    m_beatCount = beats ? std::max(0, count) : 0;
}

void Sequencer::setLoop(bool on, int start, int end)
{
    m_loop = on && end > start;
    m_loopStart = start;
    m_loopEnd = end;
}

void Sequencer::playTrack(int end)
{
    m_mode = Mode::Track;
    m_trackEnd = std::clamp(end, 0, m_length);
}

bool Sequencer::playRiff(int riff)
{
    const int first = firstPlayableStep(riff, 0);
    if (first < 0)
        return false;
    m_mode = Mode::Riff;
    m_riff = riff;
    m_step = first;
    return true;
}

bool Sequencer::playSong()
{
    const int slot = nextPlayableSlot(SongSlots::slotCount - 1);
    const int riff = slot >= 0 ? m_song->at(slot) : -1;
    const int first = firstPlayableStep(riff, 0);
    if (first < 0)
        return false;
    m_mode = Mode::Song;
    m_slot = slot;
    m_riff = riff;
    m_step = first;
    return true;
}

const RiffSource *Sequencer::source(int riff) const
{
    return riff >= 0 && riff < int(m_riffs.size()) ? m_riffs[size_t(riff)] : nullptr;
}

Sequencer::Stretch Sequencer::window(int beat) const
{
    Stretch s;
    if (beat < 0 || beat + 1 >= m_beatCount || m_length <= 0)
        return s;
    // The last beat's step ends with the track (its closing beat may lie past it); the
    // engine reads silence past the end, however far ahead a pitch makes it read.
    s.start = std::clamp(frameOf(m_beats[beat]) - stepLead, 0, m_length);
    s.end = std::clamp(frameOf(m_beats[beat + 1]) - stepLead, s.start, m_length);
    s.valid = s.end > s.start;
    return s;
}

int Sequencer::firstPlayableStep(int riff, int from) const
{
    const RiffSource *src = source(riff);
    const int last = src ? std::min(src->lastBeatIndex(), RiffSource::stepCount - 1) : -1;
    for (int step = std::max(0, from); step <= last; ++step) {
        if (window(src->stepBeat(step)).valid)
            return step;
    }
    return -1;
}

int Sequencer::nextPlayableSlot(int after) const
{
    if (!m_song)
        return -1;
    for (int i = 1; i <= SongSlots::slotCount; ++i) {
        const int slot = (after + i + SongSlots::slotCount) % SongSlots::slotCount;
        if (riffCanPlay(m_song->at(slot)))
            return slot;
    }
    return -1;
}

Sequencer::Stretch Sequencer::stepStretch(int slot, int riff, int step) const
{
    const RiffSource *src = source(riff);
    if (!src || step < 0 || step > src->lastBeatIndex())
        return {};
    // Each step is read once: the riff builder may change it meanwhile.
    Stretch s = window(src->stepBeat(step));
    if (!s.valid)
        return s;
    const float pitch = src->stepPitch(step);
    s.pitch = std::isfinite(pitch) && pitch > 0.0f ? pitch : 1.0f;
    s.slot = slot;
    s.riff = riff;
    s.step = step;
    return s;
}

Sequencer::Stretch Sequencer::current() const
{
    switch (m_mode) {
    case Mode::Riff:
        return stepStretch(-1, m_riff, m_step);
    case Mode::Song:
        return stepStretch(m_slot, m_song ? m_song->at(m_slot) : -1, m_step);
    case Mode::Track:
        break;
    }
    Stretch s;
    s.start = m_loop ? m_loopStart : 0;
    s.end = m_loop ? m_loopEnd : m_trackEnd;
    s.valid = s.end > s.start;
    return s;
}

Sequencer::Next Sequencer::next() const
{
    Next n;
    if (m_mode == Mode::Track) {
        n.ended = !m_loop;
        n.wrapped = m_loop;
        if (m_loop) {
            n.stretch.start = m_loopStart;
            n.stretch.end = m_loopEnd;
            n.stretch.valid = true;
        }
        return n;
    }
    if (m_mode == Mode::Riff) {
        int step = firstPlayableStep(m_riff, m_step + 1);
        if (step < 0) {
            // Round to the riff's first step; none at all, and the riff is done.
            step = firstPlayableStep(m_riff, 0);
            if (step < 0) {
                n.ended = true;
                return n;
            }
            n.wrapped = true;
        }
        n.stretch = stepStretch(-1, m_riff, step);
        return n;
    }
    if (!m_song) {
        n.ended = true;
        return n;
    }
    // Slots and steps change under the riff builder: whatever vanished between the reads
    // leaves an invalid stretch, and the next block decides again.
    int slot = m_slot;
    int riff = m_song->at(slot);
    int step = riffCanPlay(riff) ? firstPlayableStep(riff, m_step + 1) : -1;
    if (step < 0) {
        // The riff is done (or its slot was emptied): the next filled slot, round to the
        // first after the last.
        const int other = nextPlayableSlot(slot);
        if (other < 0) {
            n.ended = !riffCanPlay(riff);
            return n;
        }
        n.wrapped = other <= slot;
        slot = other;
        riff = m_song->at(slot);
        step = firstPlayableStep(riff, 0);
    }
    n.stretch = stepStretch(slot, riff, step);
    return n;
}

void Sequencer::moveTo(const Next &next)
{
    if (!next.stretch.valid || m_mode == Mode::Track)
        return;
    if (m_mode == Mode::Song)
        m_slot = next.stretch.slot;
    m_riff = next.stretch.riff;
    m_step = next.stretch.step;
}

bool Sequencer::holds(int sounding) const
{
    const Stretch s = current();
    if (!s.valid || sounding > s.end)
        return false;
    // The track plays on from wherever it was put; a loop, a step, from its range.
    return (m_mode == Mode::Track && !m_loop) || sounding >= s.start - kStartSlack;
}

int Sequencer::framesLeft(int sounding, int advance) const
{
    const Stretch s = current();
    if (!s.valid || sounding >= s.end)
        return 0;
    const double frames = std::ceil(double(s.end - sounding) * blockFrames / std::max(1, advance));
    return int(std::min(frames, double(INT_MAX / 2)));
}
