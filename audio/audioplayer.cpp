#include "audio/audioplayer.h"

#include "audio/riffsource.h"
#include "metadata/metadata.h"

#include <QMutexLocker>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
constexpr int kBeatLead = 2048;  // beats count from this many frames before their position
constexpr int kSeekStep = 32768; // frames per seek
} // namespace

AudioPlayer::AudioPlayer(QObject *parent)
    : QThread(parent)
    , m_runL(runFrames)
    , m_runR(runFrames)
    , m_pushBuffer(2 * runFrames)
    , m_fadeL(2 * maxFadeFrames)
    , m_fadeR(2 * maxFadeFrames)
{
    m_displayTimer = new QTimer(this);
    m_displayTimer->setInterval(10);
    connect(m_displayTimer, SIGNAL(timeout()), this, SLOT(incrementTimeBuffer()));
    initBass();
}

AudioPlayer::~AudioPlayer()
{
    m_streamReady = false;
    shutdown();
    freeStream();
    audiolayer::freeDevice();
}

void AudioPlayer::initBass()
{
    m_stopped = true;
    if (!audiolayer::versionMatches()) {
        std::printf("An incorrect version of the audio library was loaded\n");
        std::fflush(stdout);
        return;
    }
    audiolayer::setOption(audiolayer::Option::UnicodeDeviceNames, 1);
    setAudioDevice(-1);
    m_running = true;
}

void AudioPlayer::createStream()
{
    freeStream();
    m_stream = audiolayer::createPushStream(m_sampleRate, 2);
}

void AudioPlayer::freeStream()
{
    m_paused = false;
    if (m_stream) {
        audiolayer::freeStream(m_stream);
        m_stream = 0;
    }
}

// ---- Devices ----------------------------------------------------------------------------

void AudioPlayer::setAudioDevice(int deviceIndex)
{
    QMutexLocker lock(&m_passMutex);
    m_streamReady = false;
    const bool wasPlaying = !m_stopped.load();
    freeStream();
    audiolayer::freeDevice();
    const int device = deviceIndex < 0 ? audiolayer::kDefaultDevice : deviceIndex + 1;
    m_outputOk = audiolayer::initDevice(device, 44100);
    if (!m_outputOk && device != audiolayer::kDefaultDevice)
        m_outputOk = audiolayer::initDevice(audiolayer::kDefaultDevice, 44100);
    audiolayer::setDevice(audiolayer::currentDevice());
    createStream();
    if (wasPlaying)
        restartStream();
}

void AudioPlayer::setDeviceBufferSize(int bufferSize)
{
    audiolayer::setOption(audiolayer::Option::BufferLengthMs, bufferSize);
    if (!m_stopped.load())
        restartStream();
}

QStringList AudioPlayer::getDeviceList() const
{
    QStringList names;
    audiolayer::DeviceInfo info;
    for (int device = 1; audiolayer::deviceInfo(device, &info); ++device)
        names << QString::fromUtf8(info.name.c_str());
    return names;
}

int AudioPlayer::deviceStringToIndex(const QString &deviceName) const
{
    return deviceNameToIndex(deviceName, getDeviceList());
}

int AudioPlayer::deviceNameToIndex(const QString &deviceName, const QStringList &names)
{
    QString name = deviceName;
    name.remove(" (Default)");
    // An exact name wins over one that merely contains it ("Speakers" is not "Speakers 2").
    const int exact = names.indexOf(name);
    if (exact >= 0)
        return exact;
    for (int i = 0; i < names.size(); ++i) {
        if (!name.isEmpty() && names[i].contains(name))
            return i;
    }
    return -1;
}

QString AudioPlayer::deviceIndexToString(int device) const
{
    audiolayer::DeviceInfo info;
    if (!audiolayer::deviceInfo(device, &info))
        return QString();
    return QString::fromUtf8(info.name.c_str());
}

QString AudioPlayer::getAudioDevice() const
{
    return deviceIndexToString(audiolayer::currentDevice());
}

// ---- Track ------------------------------------------------------------------------------

void AudioPlayer::setAudioData(const float *left, const float *right, int, int frames, int sampleRate)
{
    {
        QMutexLocker lock(&m_passMutex);
        haltForNewTrack();
        m_left = left;
        m_right = right ? right : left;
        m_length = (left && frames > 0) ? frames : 0;
        m_sampleRate = sampleRate > 0 ? sampleRate : 44100;
        m_engine.setAudioData(m_left, m_right, m_length);
        m_sequencer.setTrack(m_length);
        m_sequencer.playTrack(m_length);
        m_position = RealTimeEngine::hopSize;
        // Splices cross over in about 3 ms, centred on the frame where the stretch ends.
        m_halfFade = std::clamp(int(std::lround(0.0015 * m_sampleRate)), 8, maxFadeFrames / 2);
        m_fadeIn.resize(size_t(2 * m_halfFade));
        for (int i = 0; i < 2 * m_halfFade; ++i)
            m_fadeIn[size_t(i)] = float(0.5 - 0.5 * std::cos(M_PI * (i + 0.5) / (2 * m_halfFade)));
        m_pitchCopy = 1.0f;
        m_engine.changeMode(1);
        m_lastClickBeat = -1;
        createStream();
    }
    // A new track starts stopped, whatever the play button showed before.
    emit unlatchMainPlay();
    m_tickCount = 0;
    m_tickClock.start();
    m_displayTimer->start();
}

void AudioPlayer::haltForNewTrack()
{
    m_stopped = true;
    m_riffPlaying = false;
    m_songPlaying = false;
    m_primePending = m_jumpPending = false;
    if (m_stream)
        audiolayer::stop(m_stream);
}

void AudioPlayer::clearAudioData()
{
    QMutexLocker lock(&m_passMutex);
    haltForNewTrack();
    m_left = m_right = nullptr;
    m_length = 0;
    m_engine.setAudioData(nullptr, nullptr, 0);
    m_sequencer.setTrack(0);
    m_sequencer.playTrack(0);
    emit unlatchMainPlay();
}

void AudioPlayer::setMetronomeClick(const float *left, const float *, int length)
{
    if (!left || length <= 0)
        return;
    QMutexLocker lock(&m_passMutex);
    m_clicks.setClick(left, length);
}

void AudioPlayer::initMetaData(MetaData *metaData)
{
    m_metaData = metaData;
    if (metaData)
        connect(this, SIGNAL(changeBeat()), metaData, SIGNAL(changeBeat()));
}

void AudioPlayer::setSelectionPointers(int *start, int *end)
{
    m_selectionStart = start;
    m_selectionEnd = end;
}

int AudioPlayer::selectionStart() const
{
    return m_selectionStart ? __atomic_load_n(m_selectionStart, __ATOMIC_RELAXED) : 0;
}

int AudioPlayer::selectionEnd() const
{
    return m_selectionEnd ? __atomic_load_n(m_selectionEnd, __ATOMIC_RELAXED) : 0;
}

int AudioPlayer::transportPosition(int position) const
{
    position = std::clamp(position, 0, std::max(0, m_length));
    return position < RealTimeEngine::hopSize ? position + RealTimeEngine::hopSize : position;
}

void AudioPlayer::setPlayPosition(int position)
{
    QMutexLocker lock(&m_passMutex);
    // Riff and song steps keep their own positions: a seek while they play changes nothing,
    // not even for a moment the clock, the markers or the beat they show.
    if (!m_stopped.load() && isRiffOrSongPlaying())
        return;
    m_paused = false;
    m_position = transportPosition(position);
    // While the track plays, the next run splices to the new position.
    if (!m_stopped.load())
        m_jumpPending = true;
}

// ---- Stream -----------------------------------------------------------------------------

void AudioPlayer::restartStream()
{
    QMutexLocker lock(&m_passMutex);
    m_firstFrameSilent = true;
    m_streamReady = true;
    // The queue starts empty: the first run starts afresh where the position is.
    m_primePending = true;
    m_queueFilled = false;
    createStream();
    if (m_running && !isRunning())
        start(QThread::InheritPriority);
    audiolayer::play(m_stream, true);
}

int AudioPlayer::queueLimitBytesAt(int sampleRate)
{
    const qint64 rate = sampleRate > 0 ? sampleRate : queueReferenceRate;
    return int(qint64(queueLimitBytes) * rate / queueReferenceRate);
}

void AudioPlayer::suspendStreaming()
{
    m_streamReady = false;
    m_paused = false;
}

void AudioPlayer::resetTransport()
{
    m_stopped = true;
}

void AudioPlayer::shutdown()
{
    if (isRunning()) {
        requestInterruption();
        wait();
    }
}

// ---- Transport --------------------------------------------------------------------------

void AudioPlayer::startDisplayClock()
{
    m_tickCount = 0;
    m_tickClock.start();
    m_displayTimer->start();
}

void AudioPlayer::clearFlashToggles()
{
    m_flashMain = m_flashRiff = m_flashSong = false;
}

void AudioPlayer::announceStepsEnded()
{
    // Queued behind the steps the audio thread has already sent to the GUI thread.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!isRiffOrSongPlaying())
                emit setCurrentBeatStep(-1);
        },
        Qt::QueuedConnection);
}

void AudioPlayer::play(bool)
{
    play();
}

void AudioPlayer::play()
{
    // A play button pressed without a track springs back.
    if (!hasTrack()) {
        emit unlatchMainPlay();
        return;
    }
    const bool wasStreaming = !m_stopped.load() && m_streamReady.load();
    {
        QMutexLocker lock(&m_passMutex);
        endSteps();
        // The user's pitch before the next pass: none of the track plays at a step's pitch.
        restorePitchFromCopy();
        // From the selection's start, or from where a single click left it empty.
        setPlayPosition(selectionPlayStart());
        m_stopped = false;
        clearFlashToggles();
    }
    m_displayPosition = 0;
    startDisplayClock();
    emit flashSongPlay(false);
    emit flashRiffPlay(false);
    emit unlatchRiffPlay();
    emit unlatchSongPlay();
    if (!wasStreaming)
        restartStream();
}

void AudioPlayer::playFromSelectionStart()
{
    play();
}

void AudioPlayer::pause()
{
    if (!hasTrack()) {
        emit unlatchMainPlay();
        return;
    }
    if (m_stopped.load()) {
        {
            QMutexLocker lock(&m_passMutex);
            endSteps();
            restorePitchFromCopy();
            // After a pause the output goes on with what it holds; else it starts afresh.
            if (m_paused.exchange(false))
                audiolayer::play(m_stream, false);
            else
                restartStream();
            m_stopped = false;
        }
        startDisplayClock();
        emit playRiffSong(false);
    } else if (isRiffOrSongPlaying()) {
        // A riff goes on as the track; a song pauses, and play later goes on with the
        // track too. Either way the steps end here and the pitch is the user's again. The
        // lock keeps a pass that is stepping from applying a step's pitch after the restore.
        bool song = false;
        {
            QMutexLocker lock(&m_passMutex);
            song = m_songPlaying.load();
            endSteps();
            if (song) {
                // What it holds sounds at the step's pitch: play starts afresh at the user's.
                audiolayer::pause(m_stream);
                m_stopped = true;
            }
            restorePitchFromCopy();
        }
        announceStepsEnded();
        emit playRiffSong(false);
        if (song)
            emit unlatchSongPlay();
    } else {
        QMutexLocker lock(&m_passMutex);
        audiolayer::pause(m_stream);
        m_stopped = true;
        m_paused = true;
    }
}

void AudioPlayer::stop()
{
    stop(false);
}

void AudioPlayer::stop(bool endOfTrack)
{
    halt(endOfTrack, true);
}

void AudioPlayer::halt(bool endOfTrack, bool unlatchRiffSong)
{
    if (!hasTrack())
        return;
    QMutexLocker lock(&m_passMutex);
    if (m_stopped.load()) {
        if (!m_loop.load()) {
            setPlayPosition(0);
            if (selectionEmpty() && m_selectionStart && m_selectionEnd) {
                *m_selectionStart = 0;
                *m_selectionEnd = 0;
            }
        }
        return;
    }
    emit unlatchMainPlay();
    m_stopped = true;
    const int start = (m_loop.load() && selectionEmpty()) ? 0 : selectionStart();
    setPlayPosition(start);
    // At the end of the track what is already queued still plays out.
    if (!endOfTrack)
        audiolayer::stop(m_stream);
    m_engine.clearProcessingBuffers();
    emit setGreyedButtonsHidden(true);
    const bool wasRiff = m_riffPlaying.load();
    const bool wasSong = m_songPlaying.load();
    endSteps();
    if (unlatchRiffSong && wasRiff)
        emit unlatchRiffPlay();
    if (unlatchRiffSong && wasSong)
        emit unlatchSongPlay();
    if (wasRiff || wasSong)
        announceStepsEnded();
    emit flashMainPlay(false);
    emit flashSongPlay(false);
    emit flashRiffPlay(false);
    // The pitch is the GUI thread's to set: a stop on the audio thread (the end of the
    // track, a riff or song with nothing left to play) leaves the restore to the GUI
    // thread rather than race a pitch change there.
    if (QThread::currentThread() != thread())
        QMetaObject::invokeMethod(this, [this] { restorePitchFromCopy(); }, Qt::QueuedConnection);
    else
        restorePitchFromCopy();
}

void AudioPlayer::playStop()
{
    if (m_stopped.load())
        pause();
    else
        stop();
}

void AudioPlayer::toBeginning()
{
    setPlayPosition(selectionEmpty() ? 0 : selectionStart());
}

void AudioPlayer::toEnd()
{
    stop();
    setPlayPosition(m_length);
}

void AudioPlayer::seekF()
{
    if (!hasTrack())
        return;
    QMutexLocker lock(&m_passMutex);
    const int position = playPosition();
    if (position + kSeekStep - 1 >= m_length) {
        setPlayPosition(m_length);
        stop();
    } else {
        setPlayPosition(position + kSeekStep);
    }
}

void AudioPlayer::seekB()
{
    if (!hasTrack())
        return;
    QMutexLocker lock(&m_passMutex);
    const int position = playPosition();
    setPlayPosition(position < kSeekStep + 1 ? 0 : position - kSeekStep);
}

void AudioPlayer::loop(bool looped)
{
    if (hasTrack())
        m_loop = looped;
}

void AudioPlayer::selectionSingleClick()
{
    if (m_stopped.load())
        setPlayPosition(selectionStart());
}

void AudioPlayer::setPlaybackPos(int xPos, int width)
{
    if (width <= 0 || !hasTrack())
        return;
    setPlayPosition(int(double(xPos) * (double(m_length) / width)));
}

void AudioPlayer::setVolume(int v)
{
    m_gain = v / 100.0f;
}

void AudioPlayer::setMetroVolume(int v)
{
    m_metroGain = v / 100.0f;
}

void AudioPlayer::setInterp(float x)
{
    // While riff or song steps play, the step that plays takes the new pitch at once on top
    // of its own; the engine gets the user's setting back when the steps end.
    QMutexLocker lock(&m_passMutex);
    m_pitchCopy = x;
    if (isRiffOrSongPlaying())
        applyStepPitch(m_playingPitch, false);
    else
        m_engine.setInterp(x);
}

void AudioPlayer::activatePitch(bool off)
{
    QMutexLocker lock(&m_passMutex);
    m_userPitchOff = off;
    if (isRiffOrSongPlaying())
        applyStepPitch(m_playingPitch, false);
    else
        m_engine.activatePitch(off);
}

QVector<QPointF> AudioPlayer::getSSSCurve()
{
    QVector<QPointF> points;
    if (!m_engine.isIsolateOn())
        return points;
    float curve[RealTimeEngine::curvePoints];
    if (!m_engine.getSSSCurve(curve))
        return points;
    points.reserve(RealTimeEngine::curvePoints);
    for (int i = 0; i < RealTimeEngine::curvePoints; ++i)
        points.append(QPointF(i, curve[i]));
    return points;
}

// ---- Display position (GUI thread) ----------------------------------------------------------

void AudioPlayer::incrementTimeBuffer()
{
    if (!m_stopped.load() && m_tickCount > 0) {
        const qint64 t = m_tickClock.elapsed() / m_tickCount;
        m_displayPosition += float(m_sampleRate) * float(t) / 1000.0f * m_engine.hopFactor();
    }
    const float position = float(playPosition());
    if (std::abs(m_displayPosition - position) > 4096.0f)
        m_displayPosition = position;
    ++m_tickCount;
}

// ---- Audio thread -------------------------------------------------------------------------

void AudioPlayer::run()
{
    while (m_running.load() && !isInterruptionRequested()) {
        if (!m_streamReady.load()) {
            msleep(5);
            continue;
        }
        bool pushed = false;
        {
            QMutexLocker lock(&m_passMutex);
            const int queued = m_stream ? audiolayer::queuedBytes(m_stream) : -1;
            if (queued >= 0 && queued <= queueLimitBytesAt(m_sampleRate) && !m_stopped.load()
                && m_streamReady.load()) {
                // Only a queue that had filled can run dry: a start is still filling it.
                if (queued == 0 && m_queueFilled)
                    ++m_starvedPasses;
                pushed = onePass();
                if (pushed && audiolayer::queuedBytes(m_stream) > queueLimitBytesAt(m_sampleRate))
                    m_queueFilled = true;
            }
        }
        // Sleep only when nothing went out, so fast tracks keep up; the queue holds about
        // 93 ms at every rate, far more than one sleep drains.
        if (!pushed)
            msleep(10);
    }
}

void AudioPlayer::followBeats(bool withSignals)
{
    if (!m_metaData || !m_metaData->hasData())
        return;
    // The analysis may replace the beats while we play: read them under their lock.
    QMutexLocker beatsLock(&m_metaData->beatsMutex);
    if (!m_metaData->hasData())
        return;
    const QVector<float> &beats = m_metaData->beats;
    const int n = beats.size();
    const int position = playPosition();
    auto windowStart = [&](int i) { return beats[i] > kBeatLead ? beats[i] - kBeatLead : beats[i]; };
    for (int i = 1; i <= n - 3; ++i) {
        if (position >= windowStart(i) && position < beats[i + 1] - kBeatLead) {
            if (i != m_metaData->currentBeat) {
                m_metaData->currentBeat = i;
                if (!withSignals)
                    return;
                emit changeBeat();
                if (!isRiffOrSongPlaying()) {
                    m_flashMain = !m_flashMain;
                    emit flashMainPlay(m_flashMain);
                }
                return;
            }
            break;
        }
    }
    const int j = m_metaData->currentBeat;
    if (j >= 0 && j + 1 < n) {
        if (position >= windowStart(j) && position < beats[j + 1] - kBeatLead && j != m_lastClickBeat) {
            m_lastClickBeat = j;
            if (withSignals)
                emit flashMetro();
        }
    }
}

bool AudioPlayer::onePass()
{
    if (!hasTrack())
        return false;
    syncSequencer(true);
    followBeats();
    const Run run = runStretches(true, false);
    bool pushed = false;
    if (run.frames > 0) {
        mixOutput(run.frames);
        pushed = audiolayer::putData(m_stream, m_pushBuffer.data(), run.frames * 2 * int(sizeof(float))) >= 0;
        if (pushed) {
            ++m_blocksPushed;
            m_framesPushed += run.frames;
        }
    }
    // At the end of the track what is queued plays out; a riff or song that has nothing
    // left to play stops at once.
    if (run.ended)
        stop(m_sequencer.mode() == Sequencer::Mode::Track);
    return pushed;
}

void AudioPlayer::mixOutput(int frames)
{
    float *left = m_runL.data();
    float *right = m_runR.data();
    const float gain = m_gain.load();
    const bool monoSum = m_engine.isMonoSum() && m_engine.isVocoderActive();
    for (int i = 0; i < frames; ++i) {
        if (monoSum) {
            left[i] = right[i] = gain * (left[i] + right[i]) / 1.5f;
        } else {
            left[i] *= gain;
            right[i] *= gain;
        }
    }
    // The click sounds in every mode, at the metronome's own volume.
    m_clicks.mix(left, right, frames, m_metroGain.load());
    float *out = m_pushBuffer.data();
    for (int i = 0; i < frames; ++i) {
        out[2 * i] = left[i];
        out[2 * i + 1] = right[i];
    }
    if (m_firstFrameSilent.exchange(false)) {
        out[0] = 0.0f;
        out[1] = 0.0f;
    }
}
