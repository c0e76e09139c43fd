// AudioPlayer: riff and song playback, the beat offset and the offline renders.
#include "audio/audioplayer.h"

#include "audio/riffsource.h"
#include "audio/songslots.h"
#include "metadata/metadata.h"

#include <QMutexLocker>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kStepLead = 2048; // a step starts this many frames before its beat

// A beat position as a frame index, held to what an int holds.
int frameOf(float value)
{
    if (!std::isfinite(value))
        return 0;
    return int(std::clamp(value, -1.0e9f, 1.0e9f));
}

} // namespace

// ---- Steps ------------------------------------------------------------------------------

QVector<float> AudioPlayer::beatList() const
{
    if (!m_metaData || !m_metaData->hasData())
        return {};
    QMutexLocker lock(&m_metaData->beatsMutex);
    return m_metaData->beats;
}

AudioPlayer::StepWindow AudioPlayer::stepWindow(const QVector<float> &beats, int beat) const
{
    StepWindow window;
    if (beat < 0 || beat + 1 >= beats.size() || m_length <= 0)
        return window;
    // The end of the track stays clear: playback there would stop at the end of the track.
    const int lastFrame = std::max(0, m_length - 1 - stepTailGuard);
    window.start = std::clamp(frameOf(beats[beat]) - kStepLead, 0, lastFrame);
    window.end = std::clamp(frameOf(beats[beat + 1]) - kStepLead, window.start, lastFrame);
    window.valid = true;
    return window;
}

RiffSource *AudioPlayer::riffSource(int riff) const
{
    return riff >= 0 && riff < m_riffs.size() ? m_riffs.at(riff) : nullptr;
}

int AudioPlayer::firstPlayableStep(const RiffSource *source, int from, const QVector<float> &beats) const
{
    const int last = source ? std::min(source->lastBeatIndex(), RiffSource::stepCount - 1) : -1;
    for (int step = std::max(0, from); step <= last; ++step) {
        if (stepWindow(beats, source->stepBeat(step)).valid)
            return step;
    }
    return -1;
}

bool AudioPlayer::riffCanPlay(int riff, const QVector<float> &beats) const
{
    return firstPlayableStep(riffSource(riff), 0, beats) >= 0;
}

int AudioPlayer::nextPlayableSlot(int after, const QVector<float> &beats) const
{
    if (!m_song)
        return -1;
    for (int i = 1; i <= SongSlots::slotCount; ++i) {
        const int slot = (after + i + SongSlots::slotCount) % SongSlots::slotCount;
        if (riffCanPlay(m_song->at(slot), beats))
            return slot;
    }
    return -1;
}

void AudioPlayer::applyStepPitch(float factor, bool withSignals)
{
    if (!std::isfinite(factor) || factor <= 0.0f)
        factor = 1.0f;
    const float semitones = 12.0f * std::log2(factor);
    // The pitch tool's own transposition counts only while the tool is on: a riff plays as
    // the track sounds with the tools as the user left them.
    const float copy = m_userPitchOff.load() ? 1.0f : m_pitchCopy.load();
    const float own = copy > 0.0f && std::isfinite(copy) ? 12.0f * std::log2(copy) : 0.0f;
    const float effective = std::pow(2.0f, (own + semitones) / 12.0f);
    m_stepPitchApplied = true;
    m_engine.setStepPitch(std::fabs(effective - 1.0f) < 1e-6f ? 1.0f : effective);
    if (withSignals)
        emit changeBeatPitch(semitones);
}

bool AudioPlayer::stillInStep(const RiffSource *source, int step, const QVector<float> &beats, int &beat,
                              bool &windowValid) const
{
    beat = step <= source->lastBeatIndex() ? source->stepBeat(step) : -1;
    const StepWindow window = stepWindow(beats, beat);
    windowValid = window.valid;
    const int position = playPosition();
    return window.valid && position >= window.start && position <= window.end;
}

AudioPlayer::StepResult AudioPlayer::nextRiffStep(bool withSignals)
{
    StepResult result;
    const QVector<float> beats = beatList();
    const RiffSource *source = riffSource(m_currentRiff.load());
    const int first = firstPlayableStep(source, 0, beats);
    if (first < 0) {
        result.ended = true;
        return result;
    }
    const int step = m_riffStep.load();
    int beat = -1;
    bool windowValid = false;
    if (stillInStep(source, step, beats, beat, windowValid))
        return result;

    int next = firstPlayableStep(source, step + 1, beats);
    if (next < 0) {
        next = first;
        result.wrapped = true;
    }
    // The step is read once: the GUI may unset it meanwhile, and then the next pass decides.
    const int nextBeat = source->stepBeat(next);
    const StepWindow window = stepWindow(beats, nextBeat);
    if (!window.valid)
        return StepResult{};
    result.advanced = true;
    applyStepPitch(source->stepPitch(next), withSignals);
    // Consecutive beats play on without a jump.
    if (!windowValid || nextBeat != beat + 1)
        setPlayPosition(window.start);
    m_riffStep = next;
    if (withSignals) {
        emit setCurrentBeatStep(next);
        m_flashRiff = !m_flashRiff;
        emit flashRiffPlay(m_flashRiff);
    }
    return result;
}

AudioPlayer::StepResult AudioPlayer::nextSongStep(bool withSignals)
{
    StepResult result;
    if (!m_song) {
        result.ended = true;
        return result;
    }
    const QVector<float> beats = beatList();
    // Slots and steps change under the GUI while a song plays: each is read once, and whatever
    // vanished between the reads leaves the position alone until the next pass.
    int slot = m_songStep.load();
    int step = m_riffStep.load();
    int riff = m_song->at(slot);
    const RiffSource *source = riffSource(riff);
    int beat = -1;
    bool windowValid = false;
    if (firstPlayableStep(source, 0, beats) < 0) {
        // The slot (or its riff) was emptied while it played: the next filled slot takes over.
        const int other = nextPlayableSlot(slot, beats);
        if (other < 0) {
            result.ended = true;
            return result;
        }
        result.wrapped = other <= slot;
        slot = other;
        riff = m_song->at(slot);
        source = riffSource(riff);
        step = firstPlayableStep(source, 0, beats);
    } else {
        if (stillInStep(source, step, beats, beat, windowValid))
            return result;
        step = firstPlayableStep(source, step + 1, beats);
        if (step < 0) {
            // The riff is done: the next filled slot, round to the first after the last.
            const int other = nextPlayableSlot(slot, beats);
            if (other < 0)
                return StepResult{};
            result.wrapped = other <= slot;
            slot = other;
            riff = m_song->at(slot);
            source = riffSource(riff);
            step = firstPlayableStep(source, 0, beats);
        }
    }
    const int stepBeat = source && step >= 0 ? source->stepBeat(step) : -1;
    const StepWindow window = stepWindow(beats, stepBeat);
    if (!window.valid)
        return StepResult{};
    result.advanced = true;
    const bool slotChanged = slot != m_songStep.load() || riff != m_currentRiff.load();
    m_currentRiff = riff;
    applyStepPitch(source->stepPitch(step), withSignals);
    if (!windowValid || stepBeat != beat + 1)
        setPlayPosition(window.start);
    m_songStep = slot;
    m_riffStep = step;
    if (withSignals) {
        if (slotChanged) {
            emit songRiffChanged(riff);
            emit setCurrentSongStep(slot);
        }
        emit setCurrentBeatStep(step);
        m_flashSong = !m_flashSong;
        emit flashSongPlay(m_flashSong);
    }
    return result;
}

// ---- Starting and stopping (GUI thread) -----------------------------------------------------

bool AudioPlayer::readyToStartSteps(bool song)
{
    if (!hasTrack() || !m_metaData || !m_metaData->hasData())
        return false;
    // Pressing play again stops what it started.
    if (!m_stopped.load() && (song ? m_songPlaying.load() : m_riffPlaying.load())) {
        halt(false, false);
        return false;
    }
    return true;
}

void AudioPlayer::startSteps(bool song, int slot, int riff, int first, const QVector<float> &beats)
{
    const RiffSource *source = riffSource(riff);
    {
        QMutexLocker lock(&m_passMutex);
        m_songStep = slot;
        m_riffStep = first;
        m_currentRiff = riff;
        m_riffPlaying = !song;
        m_songPlaying = song;
        m_engine.clearProcessingBuffers();
        setPlayPosition(stepWindow(beats, source->stepBeat(first)).start);
        applyStepPitch(source->stepPitch(first), true);
        m_stopped = false;
        clearFlashToggles();
        m_displayPosition = float(playPosition());
        startDisplayClock();
    }
    if (song) {
        emit songRiffChanged(riff);
        emit setCurrentSongStep(slot);
    }
    emit setCurrentBeatStep(first);
    emit playRiffSong(true);
    emit setGreyedButtonsHidden(false);
    emit flashMainPlay(false);
    emit flashRiffPlay(false);
    emit flashSongPlay(false);
    emit enableJamTab(true);
    emit unlatchMainPlay();
    if (song)
        emit unlatchRiffPlay();
    else
        emit unlatchSongPlay();
    restartStream();
}

void AudioPlayer::playRiff()
{
    if (!readyToStartSteps(false))
        return;
    const QVector<float> beats = beatList();
    const int riff = m_currentRiff.load();
    const int first = firstPlayableStep(riffSource(riff), 0, beats);
    if (first < 0) {
        // A riff without a step has nothing to play.
        emit unlatchRiffPlay();
        return;
    }
    startSteps(false, m_songStep.load(), riff, first, beats);
}

void AudioPlayer::playSong()
{
    if (!readyToStartSteps(true))
        return;
    const QVector<float> beats = beatList();
    // The song starts at its first filled slot whose riff has a step.
    const int slot = nextPlayableSlot(SongSlots::slotCount - 1, beats);
    if (slot < 0) {
        emit unlatchSongPlay();
        return;
    }
    const int riff = m_song->at(slot);
    startSteps(true, slot, riff, firstPlayableStep(riffSource(riff), 0, beats), beats);
}

void AudioPlayer::stopSongPlayback()
{
    if (m_songPlaying.load())
        stop();
}

void AudioPlayer::restorePitchFromCopy()
{
    // The pitch tool as the user left it: its switch, then its factor.
    if (m_stepPitchApplied.exchange(false))
        m_engine.activatePitch(m_userPitchOff.load());
    m_engine.setInterp(m_pitchCopy.load());
}

// ---- Beat offset (GUI thread) ----------------------------------------------------------------

void AudioPlayer::setBeatOffset(int beatOffset)
{
    const int steps = beatOffset - beatOffsetNone;
    if (beatOffset == m_beatOffset && (!m_metaData || m_metaData->beatShiftSteps() == steps))
        return;
    m_beatOffset = beatOffset;
    // The beats move under their lock, which the audio thread takes to read them.
    if (m_metaData)
        m_metaData->setBeatShiftSteps(steps);
    emit updateBeatSelections(beatOffset);
    emit updateBeatSelections();
}

// ---- Metronome --------------------------------------------------------------------------------

int AudioPlayer::clickLimit() const
{
    if (!isRiffOrSongPlaying())
        return m_loop.load() && !selectionEmpty() ? selectionEnd() : MetronomeClicks::noLimit;
    // The steps that follow on the next beats play on; the first one that jumps ends the
    // beats that click now.
    const QVector<float> beats = beatList();
    int slot = m_songStep.load();
    const RiffSource *source = riffSource(m_songPlaying.load() && m_song ? m_song->at(slot) : m_currentRiff.load());
    int step = m_riffStep.load();
    for (int n = 0; n <= SongSlots::slotCount * RiffSource::stepCount && source; ++n) {
        const int beat = step <= source->lastBeatIndex() ? source->stepBeat(step) : -1;
        const StepWindow window = stepWindow(beats, beat);
        if (!window.valid)
            break;
        int next = firstPlayableStep(source, step + 1, beats);
        if (next < 0 && m_songPlaying.load()) {
            slot = nextPlayableSlot(slot, beats);
            source = riffSource(slot >= 0 ? m_song->at(slot) : -1);
            next = firstPlayableStep(source, 0, beats);
        } else if (next < 0) {
            next = firstPlayableStep(source, 0, beats);
        }
        if (next < 0 || source->stepBeat(next) != beat + 1)
            return window.end;
        step = next;
    }
    return MetronomeClicks::noLimit;
}

// ---- Offline renders (GUI thread, playback stopped) --------------------------------------------

qint64 AudioPlayer::renderFrameCap(const RiffSource *source, const QVector<float> &beats) const
{
    // Every step's frames once, five times over for the slowest tempo, plus a few blocks.
    qint64 frames = 0;
    const int last = source ? std::min(source->lastBeatIndex(), RiffSource::stepCount - 1) : -1;
    for (int step = 0; step <= last; ++step) {
        const StepWindow w = stepWindow(beats, source->stepBeat(step));
        if (w.valid)
            frames += qint64(w.end - w.start) + 1;
    }
    return frames * 5 + 8 * blockFrames;
}

int AudioPlayer::outputFrames(qint64 from, qint64 to) const
{
    const qint64 advance = std::max(1, m_engine.blockAdvance());
    return int(std::max<qint64>(0, ((to - from) * blockFrames + advance - 1) / advance));
}

void AudioPlayer::renderBlockInto(QVector<float> &left, QVector<float> &right)
{
    m_engine.processBlock(m_blockL, m_blockR, nullptr);
    const int at = left.size();
    left.resize(at + blockFrames);
    right.resize(at + blockFrames);
    std::copy(m_blockL, m_blockL + blockFrames, left.begin() + at);
    std::copy(m_blockR, m_blockR + blockFrames, right.begin() + at);
}

void AudioPlayer::trimRenderTail(QVector<float> &left, QVector<float> &right, int from, int end)
{
    // Steps end by where blocks read, which may lie behind what they sound: the sound may
    // have passed the end a block before the last one.
    const int excess = std::min(2 * blockFrames, outputFrames(end, qint64(from) + m_engine.blockAdvance()));
    const int size = std::max(0, int(left.size()) - excess);
    left.resize(size);
    right.resize(size);
}

void AudioPlayer::finishRender()
{
    m_engine.clearProcessingBuffers();
    restorePitchFromCopy();
    setPlayPosition(selectionEmpty() ? 0 : selectionStart());
}

int AudioPlayer::renderRiff()
{
    stop(false);
    QMutexLocker lock(&m_passMutex);
    m_riffL.clear();
    m_riffR.clear();
    if (!hasTrack())
        return 0;
    const QVector<float> beats = beatList();
    const RiffSource *source = riffSource(m_currentRiff.load());
    const int first = firstPlayableStep(source, 0, beats);
    if (first < 0)
        return 0;
    const qint64 cap = std::min(renderFrameCap(source, beats), qint64(m_sampleRate) * maximumRenderSeconds);
    m_riffStep = first;
    startStepRender(stepWindow(beats, source->stepBeat(first)).start, source->stepPitch(first));
    // One pass of the riff: until its steps wrap round to the first.
    while (m_riffL.size() < cap) {
        const int from = playPosition() + m_engine.soundLead();
        const int last = stepWindow(beats, source->stepBeat(m_riffStep.load())).end;
        renderBlockInto(m_riffL, m_riffR);
        const StepResult step = nextRiffStep(false);
        if (step.ended || step.wrapped) {
            trimRenderTail(m_riffL, m_riffR, from, last);
            break;
        }
    }
    finishRender();
    return m_riffL.size();
}

int AudioPlayer::renderSong()
{
    stop(false);
    QMutexLocker lock(&m_passMutex);
    m_songL.clear();
    m_songR.clear();
    if (!hasTrack())
        return 0;
    const QVector<float> beats = beatList();
    const int slot = nextPlayableSlot(SongSlots::slotCount - 1, beats);
    if (slot < 0)
        return 0;
    qint64 cap = 0;
    for (int i = 0; i < SongSlots::slotCount; ++i) {
        if (riffCanPlay(m_song->at(i), beats))
            cap += renderFrameCap(riffSource(m_song->at(i)), beats);
    }
    cap = std::min(cap, qint64(m_sampleRate) * maximumRenderSeconds);
    const int riff = m_song->at(slot);
    const RiffSource *source = riffSource(riff);
    const int first = firstPlayableStep(source, 0, beats);
    // The riff builder keeps showing the riff it showed.
    const int shownRiff = m_currentRiff.load();
    m_songStep = slot;
    m_riffStep = first;
    m_currentRiff = riff;
    startStepRender(stepWindow(beats, source->stepBeat(first)).start, source->stepPitch(first));
    // One pass of the song: until its slots wrap round. Each block is rendered before the
    // song steps on, as for a riff: the first block may start a little before its step.
    while (m_songL.size() < cap) {
        const int from = playPosition() + m_engine.soundLead();
        const RiffSource *playing = riffSource(m_currentRiff.load());
        const int last = playing ? stepWindow(beats, playing->stepBeat(m_riffStep.load())).end : -1;
        renderBlockInto(m_songL, m_songR);
        const StepResult step = nextSongStep(false);
        if (step.ended || step.wrapped) {
            if (last >= 0)
                trimRenderTail(m_songL, m_songR, from, last);
            break;
        }
    }
    m_currentRiff = shownRiff;
    finishRender();
    return m_songL.size();
}

void AudioPlayer::startStepRender(int start, float pitch)
{
    setPlayPosition(start);
    applyStepPitch(pitch, false);
    // A riff or song starts whole, sounding from its first step's first frame; at most one
    // block early, so that the first block still reads inside that step.
    m_engine.primeRender(start, std::min(m_engine.soundLead(), m_engine.blockAdvance()));
}

// A processed render starts and ends with clean processing buffers: nothing of an earlier
// render or of playback sounds at its start, and nothing of it at the next one's. Its
// first block sounds the range's first frame at full level, and its last the range's last.
void AudioPlayer::startExportRender(int start, int end)
{
    stop(false);
    QMutexLocker lock(&m_passMutex);
    start = std::max(0, std::min(start, m_length));
    end = end < 0 ? m_length : std::max(start, std::min(end, m_length));
    m_engine.primeRender(start, m_engine.soundLead());
    m_clicks.restart(m_engine.playPosition(), start);
    m_exportFramesLeft = outputFrames(start, end);
    m_exportStarted = true;
}

void AudioPlayer::endExportRender()
{
    QMutexLocker lock(&m_passMutex);
    m_engine.clearProcessingBuffers();
    m_exportStarted = false;
}

int AudioPlayer::renderExportBlock()
{
    QMutexLocker lock(&m_passMutex);
    if (!m_exportStarted)
        startExportRender(playPosition());
    const int frames = int(std::min<qint64>(blockFrames, m_exportFramesLeft));
    if (!hasTrack() || frames <= 0) {
        m_exportL.clear();
        m_exportR.clear();
        m_exportStarted = false;
        setPlayPosition(0);
        return 1;
    }
    m_exportL.resize(frames);
    m_exportR.resize(frames);
    followBeats(false);
    // Frames past the track's end read as silence.
    m_engine.processBlock(m_blockL, m_blockR, nullptr);
    placeClicks(MetronomeClicks::noLimit);
    std::copy(m_blockL, m_blockL + frames, m_exportL.begin());
    std::copy(m_blockR, m_blockR + frames, m_exportR.begin());
    m_clicks.mix(m_exportL.data(), m_exportR.data(), frames, m_metroGain.load());
    m_exportFramesLeft -= frames;
    return 0;
}
