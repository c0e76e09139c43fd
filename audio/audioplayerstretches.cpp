// AudioPlayer: the output of playback and of every render, stretch by stretch as the
// sequencer lays it out.
//
// The engine makes blocks of 1024 frames. Where the stretch that plays ends inside a block
// (a riff step, a song slot, the loop's wrap, a jump of the position), the block is cut
// there and spliced to the next stretch: the engine is primed afresh on it, with its
// pitch, as for a start (so a stretch sounds the same however it is reached), and the two
// sides cross over in a few milliseconds centred on the frame where the old stretch ends,
// so that every step lasts its beat and every loop its range.
// Consecutive steps at one pitch play on without a splice. A run is that block with its
// splices; it may hold more or fewer than 1024 frames.
#include "audio/audioplayer.h"

#include "metadata/metadata.h"

#include <QMutexLocker>

#include <algorithm>
#include <cmath>

void AudioPlayer::syncSequencer(bool transportLoop)
{
    if (m_metaData && m_metaData->hasData()) {
        // The analysis may replace the beats while we play: take them under their lock.
        QMutexLocker lock(&m_metaData->beatsMutex);
        m_passBeats = m_metaData->beats;
    } else {
        m_passBeats.clear();
    }
    m_sequencer.setBeats(m_passBeats.constData(), m_passBeats.size());
    if (transportLoop && m_loop.load()) {
        const bool selection = !selectionEmpty();
        m_sequencer.setLoop(true, transportPosition(selection ? selectionStart() : 0),
                            selection ? std::min(selectionEnd(), m_length) : m_length);
    } else {
        m_sequencer.setLoop(false, 0, 0);
    }
    if (m_sequencer.mode() == Sequencer::Mode::Riff)
        m_sequencer.setRiff(m_currentRiff.load());
}

void AudioPlayer::primeAt(int frame)
{
    m_engine.primeRender(frame - m_engine.blockAdvance(), soundingLead());
    // The lead-in block, which ends where the stretch begins.
    m_engine.processBlock(m_blockL, m_blockR, nullptr);
}

void AudioPlayer::scheduleClicks(const RealTimeEngine::BlockSpan &span, int limit, int offset)
{
    m_clicks.schedule(span, m_passBeats.constData(), m_passBeats.size(), limit, offset);
}

void AudioPlayer::appendBlock(int &filled, int from, int to)
{
    std::copy(m_blockL + from, m_blockL + to, m_runL.begin() + filled);
    std::copy(m_blockR + from, m_blockR + to, m_runR.begin() + filled);
    filled += to - from;
}

void AudioPlayer::enterStretch(const Sequencer::Next &next, bool withSignals)
{
    const Sequencer::Stretch &s = next.stretch;
    const bool song = m_sequencer.mode() == Sequencer::Mode::Song;
    const bool slotChanged = song && (s.slot != m_sequencer.slot() || s.riff != m_currentRiff.load());
    m_sequencer.moveTo(next);
    if (m_sequencer.mode() == Sequencer::Mode::Track)
        return;
    if (song) {
        m_currentRiff = s.riff;
        m_songStep = s.slot;
    }
    m_riffStep = s.step;
    applyStepPitch(s.pitch, withSignals);
    if (!withSignals)
        return;
    if (slotChanged) {
        emit songRiffChanged(s.riff);
        emit setCurrentSongStep(s.slot);
    }
    emit setCurrentBeatStep(s.step);
    if (song) {
        m_flashSong = !m_flashSong;
        emit flashSongPlay(m_flashSong);
    } else {
        m_flashRiff = !m_flashRiff;
        emit flashRiffPlay(m_flashRiff);
    }
}

AudioPlayer::Run AudioPlayer::runStretches(bool withSignals, bool stopAtWrap)
{
    Run run;
    int filled = 0;
    const int h = m_halfFade;
    const int fade = 2 * h;
    // Frames of the block at hand that are in the run already (in a splice's crossfade).
    int skip = 0;
    if (m_primePending) {
        // A start sounds its first frame at full level.
        m_primePending = false;
        m_jumpPending = false;
        const int position = m_position.load();
        const int from = m_sequencer.holds(position) ? position : m_sequencer.current().start;
        primeAt(from);
        m_clicks.restart(m_engine.playPosition(), from);
    }
    // A position set while playing: splice to it now (to the loop's start when it lies
    // outside the loop). A stretch that no longer holds the sound (the riff builder moved
    // its step, the selection moved) gives way to what follows it, now.
    int target = -1;
    if (m_jumpPending) {
        m_jumpPending = false;
        const int position = m_position.load();
        target = m_sequencer.holds(position) ? position : m_sequencer.current().start;
    }
    m_engine.processBlock(m_blockL, m_blockR, nullptr);
    RealTimeEngine::BlockSpan span = m_engine.lastBlock();
    int sounding = span.position + soundingLead();
    bool forced = target >= 0 || !m_sequencer.holds(sounding);
    int left = forced ? 0 : m_sequencer.framesLeft(sounding, span.advance);

    for (int turn = 0;; ++turn) {
        const Sequencer::Stretch playing = m_sequencer.current();
        // The block plays whole when its stretch goes on past it and past the half of the
        // crossfade that a splice just after it would take from it.
        if (!forced && (left >= blockFrames + h || turn > 4 * RiffSource::stepCount)) {
            scheduleClicks(span, playing.end, filled - skip);
            appendBlock(filled, skip, blockFrames);
            break;
        }
        Sequencer::Next next;
        if (target < 0) {
            next = m_sequencer.next();
            const bool stops = next.ended || (stopAtWrap && next.wrapped);
            if (stops && left < blockFrames) {
                // The last stretch ends in this block: so does the run.
                scheduleClicks(span, playing.end, filled - skip);
                appendBlock(filled, skip, std::max(skip, left));
                run.ended = next.ended;
                run.wrapped = !next.ended;
                break;
            }
            const bool playsOn = !forced && next.stretch.valid && m_sequencer.mode() != Sequencer::Mode::Track
                && next.stretch.start == playing.end && next.stretch.pitch == m_playingPitch;
            // It ends, or its step changes, in the next block; or what follows vanished
            // under the riff builder, and the next block decides again.
            if (stops || !next.stretch.valid || (playsOn && left >= blockFrames)) {
                scheduleClicks(span, playing.end, filled - skip);
                appendBlock(filled, skip, blockFrames);
                break;
            }
            if (playsOn) {
                enterStretch(next, withSignals);
                left = m_sequencer.framesLeft(sounding, span.advance);
                continue;
            }
            target = next.stretch.start;
        }
        // The splice's middle, from this block's first frame.
        const int at = std::max(left, skip + h);
        const int keep = at - h;
        if (filled + keep - skip + fade + blockFrames > runFrames) {
            // Splices crowd this run: the next one makes this one.
            scheduleClicks(span, playing.end, filled - skip);
            appendBlock(filled, skip, blockFrames);
            break;
        }
        // This block sounds up to the splice, and its beats up to there click.
        scheduleClicks(span, int(sounding + double(at) * span.advance / blockFrames), filled - skip);
        appendBlock(filled, skip, keep);
        // The outgoing side of the crossfade; past this block's end, from the next block.
        const int inBlock = std::min(fade, blockFrames - keep);
        std::copy(m_blockL + keep, m_blockL + keep + inBlock, m_fadeL.begin());
        std::copy(m_blockR + keep, m_blockR + keep + inBlock, m_fadeR.begin());
        if (inBlock < fade) {
            m_engine.processBlock(m_blockL, m_blockR, nullptr);
            std::copy(m_blockL, m_blockL + fade - inBlock, m_fadeL.begin() + inBlock);
            std::copy(m_blockR, m_blockR + fade - inBlock, m_fadeR.begin() + inBlock);
        }
        if (next.stretch.valid)
            enterStretch(next, withSignals);
        // The incoming side, primed with the new stretch's pitch as a start is: the end of
        // its lead-in block, then the first frames of the stretch itself, which sound its
        // start in the splice's middle.
        primeAt(target);
        crossfade(filled, 0, m_blockL + blockFrames - h, m_blockR + blockFrames - h);
        m_clicks.spliceAt(filled + h, m_engine.playPosition(), target);
        m_engine.processBlock(m_blockL, m_blockR, nullptr);
        crossfade(filled, h, m_blockL, m_blockR);
        filled += fade;
        skip = h;
        span = m_engine.lastBlock();
        sounding = span.position + soundingLead();
        left = m_sequencer.framesLeft(sounding, span.advance);
        forced = false;
        target = -1;
    }
    m_position = soundingPosition();
    run.frames = filled;
    return run;
}

void AudioPlayer::crossfade(int filled, int from, const float *left, const float *right)
{
    for (int i = 0; i < m_halfFade; ++i) {
        const size_t k = size_t(from + i);
        const float w = m_fadeIn[k];
        m_runL[size_t(filled) + k] = m_fadeL[k] + w * (left[i] - m_fadeL[k]);
        m_runR[size_t(filled) + k] = m_fadeR[k] + w * (right[i] - m_fadeR[k]);
    }
}
