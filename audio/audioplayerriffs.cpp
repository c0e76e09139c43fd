// AudioPlayer: riff and song playback, the beat offset and the offline renders. Which
// step plays when is the sequencer's to say (audio/sequencer.h); the stretches are spliced
// together in audioplayerstretches.cpp.
#include "audio/audioplayer.h"

#include "audio/riffsource.h"
#include "audio/songslots.h"
#include "metadata/metadata.h"

#include <QMutexLocker>

#include <algorithm>
#include <cmath>

// ---- Steps ------------------------------------------------------------------------------

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
    m_playingPitch = factor;
    m_engine.setStepPitch(std::fabs(effective - 1.0f) < 1e-6f ? 1.0f : effective);
    if (withSignals)
        emit changeBeatPitch(semitones);
}

void AudioPlayer::endSteps()
{
    m_riffPlaying = false;
    m_songPlaying = false;
    m_sequencer.playTrack(m_length);
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

bool AudioPlayer::startSteps(bool song)
{
    Sequencer::Stretch first;
    {
        QMutexLocker lock(&m_passMutex);
        syncSequencer(false);
        // A riff starts at its first step; the song at its first filled slot whose riff has one.
        if (!(song ? m_sequencer.playSong() : m_sequencer.playRiff(m_currentRiff.load())))
            return false;
        first = m_sequencer.current();
        if (song)
            m_songStep = first.slot;
        m_riffStep = first.step;
        m_currentRiff = first.riff;
        m_riffPlaying = !song;
        m_songPlaying = song;
        m_engine.clearProcessingBuffers();
        m_position = first.start;
        applyStepPitch(first.pitch, true);
        m_stopped = false;
        clearFlashToggles();
        m_displayPosition = float(first.start);
        startDisplayClock();
    }
    if (song) {
        emit songRiffChanged(first.riff);
        emit setCurrentSongStep(first.slot);
    }
    emit setCurrentBeatStep(first.step);
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
    return true;
}

void AudioPlayer::playRiff()
{
    // A riff without a step has nothing to play.
    if (readyToStartSteps(false) && !startSteps(false))
        emit unlatchRiffPlay();
}

void AudioPlayer::playSong()
{
    if (readyToStartSteps(true) && !startSteps(true))
        emit unlatchSongPlay();
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

// ---- Offline renders (GUI thread, playback stopped) --------------------------------------------

qint64 AudioPlayer::renderFrameCap(int riff) const
{
    // Every step's frames once, five times over for the slowest tempo, plus a few blocks.
    qint64 frames = 0;
    for (int step = 0; step < RiffSource::stepCount; ++step) {
        const Sequencer::Stretch s = m_sequencer.stepStretch(-1, riff, step);
        if (s.valid)
            frames += qint64(s.end - s.start);
    }
    return frames * 5 + 8 * blockFrames;
}

void AudioPlayer::startRender()
{
    // Stopping while stopped would put the position back to the start.
    if (isPlaying())
        stop(false);
    // The render leaves the engine elsewhere: after a pause, play starts afresh.
    m_paused = false;
    m_renderReturn = m_position.load();
    m_renderDisplay = m_displayPosition;
}

void AudioPlayer::appendRun(QVector<float> &left, QVector<float> &right, int frames)
{
    const int at = left.size();
    left.resize(at + frames);
    right.resize(at + frames);
    std::copy(m_runL.begin(), m_runL.begin() + frames, left.begin() + at);
    std::copy(m_runR.begin(), m_runR.begin() + frames, right.begin() + at);
}

void AudioPlayer::renderSteps(QVector<float> &left, QVector<float> &right, qint64 cap)
{
    const Sequencer::Stretch first = m_sequencer.current();
    m_position = first.start;
    applyStepPitch(first.pitch, false);
    m_primePending = true;
    // One pass: until the riff or the song starts over.
    while (left.size() < cap) {
        const Run run = runStretches(false, true);
        // Riff and song renders hold no metronome.
        m_clicks.mix(m_runL.data(), m_runR.data(), run.frames, 0.0f);
        appendRun(left, right, run.frames);
        if (run.ended || run.wrapped)
            break;
    }
}

void AudioPlayer::finishRender()
{
    m_engine.clearProcessingBuffers();
    restorePitchFromCopy();
    m_sequencer.playTrack(m_length);
    m_primePending = false;
    // The clock, the markers and the view stay where the user had them.
    m_position = m_renderReturn;
    m_displayPosition = m_renderDisplay;
}

int AudioPlayer::renderRiff()
{
    startRender();
    QMutexLocker lock(&m_passMutex);
    m_riffL.clear();
    m_riffR.clear();
    if (!hasTrack())
        return 0;
    syncSequencer(false);
    const int riff = m_currentRiff.load();
    if (m_sequencer.playRiff(riff)) {
        const qint64 cap = std::min(renderFrameCap(riff), qint64(m_sampleRate) * maximumRenderSeconds);
        m_riffStep = m_sequencer.step();
        renderSteps(m_riffL, m_riffR, cap);
    }
    finishRender();
    return m_riffL.size();
}

int AudioPlayer::renderSong()
{
    startRender();
    QMutexLocker lock(&m_passMutex);
    m_songL.clear();
    m_songR.clear();
    const SongSlots *song = m_sequencer.song();
    if (!hasTrack() || !song)
        return 0;
    syncSequencer(false);
    // The riff builder keeps showing the riff it showed.
    const int shownRiff = m_currentRiff.load();
    if (m_sequencer.playSong()) {
        qint64 cap = 0;
        for (int i = 0; i < SongSlots::slotCount; ++i) {
            if (m_sequencer.riffCanPlay(song->at(i)))
                cap += renderFrameCap(song->at(i));
        }
        cap = std::min(cap, qint64(m_sampleRate) * maximumRenderSeconds);
        m_songStep = m_sequencer.slot();
        m_riffStep = m_sequencer.step();
        m_currentRiff = m_sequencer.riff();
        renderSteps(m_songL, m_songR, cap);
    }
    m_currentRiff = shownRiff;
    finishRender();
    return m_songL.size();
}

// A processed render starts and ends with clean processing buffers: nothing of an earlier
// render or of playback sounds at its start, and nothing of it at the next one's. Its
// first block sounds the range's first frame at full level, and its last the range's last.
void AudioPlayer::startExportRender(int start, int end)
{
    startRender();
    QMutexLocker lock(&m_passMutex);
    start = std::max(0, std::min(start, m_length));
    end = end < 0 ? m_length : std::max(start, std::min(end, m_length));
    m_sequencer.playTrack(end);
    m_position = start;
    m_primePending = true;
    m_jumpPending = false;
    m_exportStarted = true;
    m_exportDone = false;
    m_exportHeldL.clear();
    m_exportHeldR.clear();
}

void AudioPlayer::endExportRender()
{
    QMutexLocker lock(&m_passMutex);
    if (m_exportStarted)
        finishRender();
    m_engine.clearProcessingBuffers();
    m_exportStarted = false;
}

int AudioPlayer::renderExportBlock()
{
    QMutexLocker lock(&m_passMutex);
    if (!m_exportStarted)
        startExportRender(playPosition());
    // Runs hold about a block each; the export takes whole blocks, all but the last.
    while (m_exportHeldL.size() < blockFrames && hasTrack() && !m_exportDone) {
        syncSequencer(false);
        followBeats(false);
        const Run run = runStretches(false, false);
        m_exportDone = run.ended;
        m_clicks.mix(m_runL.data(), m_runR.data(), run.frames, m_metroGain.load());
        appendRun(m_exportHeldL, m_exportHeldR, run.frames);
    }
    const int frames = std::min(int(m_exportHeldL.size()), int(blockFrames));
    m_exportL = m_exportHeldL.mid(0, frames);
    m_exportR = m_exportHeldR.mid(0, frames);
    m_exportHeldL.remove(0, frames);
    m_exportHeldR.remove(0, frames);
    if (frames > 0)
        return 0;
    finishRender();
    m_exportStarted = false;
    return 1;
}
