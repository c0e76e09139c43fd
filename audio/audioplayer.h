// AudioPlayer: plays the loaded track on the output device. Its thread keeps about
// 93 ms queued in the output stream (32 KB at 44.1 kHz): each pass follows the beats and
// pushes the next run of output, at least one block of the real-time engine (tempo,
// pitch, isolate) with gain and the metronome click mixed in. Its slots, called on the
// GUI thread, are the transport, the tool parameters, the volumes and the device choice;
// a 10 ms timer advances the smoothed display position that the clock and the play
// markers read. MainWindow creates it and hands it the decoded arrays. It also plays
// riffs and songs of the riff builder step by step, shifts the beat grid for the
// beat-offset knob, and renders the processed track, a riff or the song offline for the
// export (audioplayerriffs.cpp). What plays when, the loop's wrap and each riff step, is
// the Sequencer's to say, to the frame; playback and the renders splice its stretches
// together in one routine (audioplayerstretches.cpp).
#pragma once
#include <QElapsedTimer>
#include <QList>
#include <QPointF>
#include <QRecursiveMutex>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QVector>

#include <atomic>
#include <memory>
#include <vector>

#include "audio/layer/audiolayer.h"
#include "audio/metronomeclicks.h"
#include "audio/sequencer.h"
#include "real_time_tools/realtimeengine.h"

class MetaData;
class QTimer;
class RiffSource;
class SongSlots;

class AudioPlayer : public QThread
{
    Q_OBJECT
public:
    static constexpr int blockFrames = RealTimeEngine::hopSize; // frames pushed per pass
    static constexpr int pushBytes = blockFrames * 2 * int(sizeof(float));
    // The thread pushes only while the output queue holds no more than about 93 ms: 32 KB
    // at 44.1 kHz, the same time at every other rate (285 KB at 384 kHz).
    static constexpr int queueLimitBytes = 32767; // at queueReferenceRate
    static constexpr int queueReferenceRate = 44100;
    static int queueLimitBytesAt(int sampleRate);
    static constexpr int beatOffsetNone = 49;                    // the beat-offset knob's middle

    explicit AudioPlayer(QObject *parent = nullptr);
    ~AudioPlayer() override;

    // Track and wiring (GUI thread).
    void setAudioData(const float *left, const float *right, int channels, int frames, int sampleRate);
    // Forgets the track (before its arrays are freed): playback stops, nothing is read.
    void clearAudioData();
    void setMetronomeClick(const float *left, const float *right, int length);
    void initMetaData(MetaData *metaData);
    void setSelectionPointers(int *start, int *end);
    float *timeBuffer() { return &m_displayPosition; }
    // The six riffs in riff order, as their selections on the waveform describe them.
    void appendRiff(RiffSource *riff) { m_sequencer.addRiff(riff); }
    void setSong(const SongSlots *songSlots) { m_sequencer.setSong(songSlots); }

    // The track frame that plays next (after what has gone to the output).
    int playPosition() const { return m_position.load(); }
    void setPlayPosition(int position);
    int trackLength() const { return m_length; }
    int sampleRate() const { return m_sampleRate; }
    bool hasTrack() const { return m_length > 0; }
    bool isPlaying() const { return !m_stopped.load(); }
    bool isLooping() const { return m_loop.load(); }
    float getVolume() const { return m_gain.load(); }
    float metronomeVolume() const { return m_metroGain.load(); }
    bool isRiffOrSongPlaying() const { return m_riffPlaying.load() || m_songPlaying.load(); }
    bool isRiffPlaying() const { return m_riffPlaying.load(); }
    bool isSongPlaying() const { return m_songPlaying.load(); }
    int currentRiff() const { return m_currentRiff.load(); }
    int currentRiffStep() const { return m_riffStep.load(); }
    int currentSongStep() const { return m_songStep.load(); }
    int beatOffset() const { return m_beatOffset; }

    // ---- Offline renders for the export (GUI thread) ----------------------------------
    // Each stops playback first (when it plays) and runs the same stretches and block
    // processing as playback (tempo, pitch, isolate); the pitch tool, the play position and
    // the selection are left as the user had them.
    //
    // renderRiff() plays the current riff once through, step by step with each step's
    // pitch, into riffRenderLeft()/riffRenderRight(); renderSong() plays the song once
    // through, slot by slot from its first filled slot, into songRenderLeft()/Right().
    // Both return the number of frames rendered. 0, with both lists empty, means there is
    // nothing to render: no track, no analysis, a riff without a step, or a song whose
    // slots are all empty (or hold only empty riffs). Callers check for 0 and write no
    // file. A render ends when the steps (or slots) wrap round, and never exceeds
    // maximumRenderSeconds of audio.
    static constexpr int maximumRenderSeconds = 600;
    int renderRiff();
    int renderSong();
    const QVector<float> &riffRenderLeft() const { return m_riffL; }
    const QVector<float> &riffRenderRight() const { return m_riffR; }
    const QVector<float> &songRenderLeft() const { return m_songL; }
    const QVector<float> &songRenderRight() const { return m_songR; }
    // The processed track from frame start to frame end (the track's end for -1), one
    // block per call, with the metronome mixed in (without the output volume): fills
    // exportBlockLeft()/Right() with the next 1024 frames, fewer for the range's last ones,
    // and returns 0; once the range is complete (or without a track) empties them, puts
    // the position back where it was and returns 1. The range lasts (end - start) / tempo
    // frames, from its first frame at full level. The caller starts with startExportRender
    // (without it a render runs from the play position to the track's end) and ends with
    // endExportRender.
    void startExportRender(int start, int end = -1);
    int renderExportBlock();
    void endExportRender();
    const QVector<float> &exportBlockLeft() const { return m_exportL; }
    const QVector<float> &exportBlockRight() const { return m_exportR; }
    RealTimeEngine &engine() { return m_engine; }

    // Devices.
    QStringList getDeviceList() const;
    int deviceStringToIndex(const QString &deviceName) const;
    // The list index for a device name: the exact name first, else the first name containing
    // it; " (Default)" is ignored. -1 when none.
    static int deviceNameToIndex(const QString &deviceName, const QStringList &names);
    QString deviceIndexToString(int device) const;
    QString getAudioDevice() const;
    bool isOutputReady() const { return m_outputOk; }

    void restartStream();
    void suspendStreaming();
    void resetTransport();
    // Stops the thread and waits for it; the device stays open. Safe to call twice.
    void shutdown();

    // Counters for tests and diagnostics.
    qint64 blocksPushed() const { return m_blocksPushed.load(); }
    qint64 framesPushed() const { return m_framesPushed.load(); }
    // Passes that found the queue empty after it had filled since the start.
    qint64 starvedPasses() const { return m_starvedPasses.load(); }
    int queuedBytes() const { return m_stream ? audiolayer::queuedBytes(m_stream) : 0; }

public slots:
    void setAudioDevice(int deviceIndex);
    void setDeviceBufferSize(int bufferSize);

    void play(bool stop);
    void play();
    void playFromSelectionStart();
    void pause();
    void stop(bool endOfTrack);
    void stop();
    void playStop();
    void toBeginning();
    void toEnd();
    void seekF();
    void seekB();
    void loop(bool looped);
    void selectionSingleClick();
    void setPlaybackPos(int xPos, int width);
    void setVolume(int v);
    void setMetroVolume(int v);

    // Tool parameters, passed to the engine.
    void setWidth(int w) { m_engine.setWidth(w); }
    void setSeparation(int s) { m_engine.setSeparation(s); }
    void setAzimuth(int a) { m_engine.setAzimuth(a); }
    void setFilterKnob(int v) { m_engine.setFilterKnob(v); }
    void setFilter(bool highSide) { m_engine.setFilter(highSide); }
    void setInverted(bool solo) { m_engine.setInverted(solo); }
    void activateSSS(bool off) { m_engine.activateSSS(off); }
    void setPScale(int s) { m_engine.setPScale(s); }
    void changeMode(int mode) { m_engine.changeMode(mode); }
    void setInterp(float x);
    void setHop(float x) { m_engine.setHop(x); }
    void activatePitch(bool off);
    void activateTempo(bool off) { m_engine.activateTempo(off); }
    void resetHopFactor() { m_engine.resetHopFactor(); }
    void initHopFactorFromSession(bool power, float x) { m_engine.setHopFactorFromSession(power, x); }
    QVector<QPointF> getSSSCurve();

    // Riff and song playback.
    void setRiff(int riff) { m_currentRiff = riff; }
    // The riff builder reports its loop lengths; playback reads the steps themselves.
    void setRiffLength(int) {}
    void setSongLength(int) {}
    // Start riff or song playback, or stop it when it already plays.
    void playRiff();
    void playSong();
    void stopSongPlayback();
    // The beat-offset knob, 0..99 with 49 for no shift: every beat moves by the analysis'
    // beat step per notch. The riff strips and the selection follow through
    // updateBeatSelections.
    void setBeatOffset(int beatOffset);

signals:
    void changeBeat();
    void flashMetro();
    void changeBeatPitch(float pitch);
    // The riff step that plays; -1 when riff and song playback end.
    void setCurrentBeatStep(int step);
    void setCurrentSongStep(int step);
    void updateBeatSelections(int offset);
    void updateBeatSelections();
    void songRiffChanged(int index);
    void playRiffSong(bool riffSong);
    void setGreyedButtonsHidden(bool hidden);
    void flashMainPlay(bool on);
    void flashRiffPlay(bool on);
    void flashSongPlay(bool on);
    void enableJamTab(bool on);
    void unlatchMainPlay();
    void unlatchSongPlay();
    void unlatchRiffPlay();

protected:
    void run() override;

private slots:
    void incrementTimeBuffer();

private:
    void initBass();
    void createStream();
    // Stops output and riff/song playback before the track is replaced (pass lock held).
    void haltForNewTrack();
    void freeStream();
    bool onePass();
    void followBeats(bool withSignals = true);
    // Gain and mono sum of the output, then the clicks, into the push buffer.
    void mixOutput(int frames);

    // ---- Stretches (audioplayerstretches.cpp) ----
    // The output of playback and of every render, as the sequencer lays it out: the blocks
    // of the engine, spliced where one stretch of the track gives way to another. Audio
    // thread while playing, GUI thread for the renders; the pass lock is held.
    struct Run
    {
        int frames = 0;       // output frames in m_runL/m_runR
        bool ended = false;   // nothing follows: the run ends where the last stretch does
        bool wrapped = false; // (stopAtWrap) the loop, riff or song would start over here
    };
    // The next run: one block, more where a stretch ends inside it. With stopAtWrap a
    // render ends where its riff or song starts over.
    Run runStretches(bool withSignals, bool stopAtWrap);
    // The beats, the loop and the riff choice as the sequencer reads them for one run.
    void syncSequencer(bool transportLoop);
    // Primes the engine so that its next block sounds `frame` first, from a lead-in block
    // that it leaves in m_blockL/m_blockR.
    void primeAt(int frame);
    // Frames from..from + the half fade of a splice's crossfade into the run at `filled`,
    // the incoming side from left/right.
    void crossfade(int filled, int from, const float *left, const float *right);
    void enterStretch(const Sequencer::Next &next, bool withSignals);
    void scheduleClicks(const RealTimeEngine::BlockSpan &span, int limit, int offset);
    // Frames from..to of the block at hand go to the run.
    void appendBlock(int &filled, int from, int to);
    // Frames between where the engine's next block reads and the track frame its first
    // output frame sounds (without the vocoder a block reads from a frame before).
    int soundingLead() const { return m_engine.soundLead() + (m_engine.isVocoderActive() ? 0 : 1); }
    // The track frame that the engine's next block sounds first.
    int soundingPosition() const { return m_engine.playPosition() + soundingLead(); }

    // ---- Riff and song playback (audioplayerriffs.cpp) ----
    void applyStepPitch(float factor, bool withSignals);
    // stop(); unlatchRiffSong false leaves the riff and song play buttons to the press
    // that is stopping playback (its release unlatches them).
    void halt(bool endOfTrack, bool unlatchRiffSong);
    // Riff and song playback end here; the track plays on (or waits) as the transport has it.
    void endSteps();
    // False when there is nothing to start from, or when it stopped the riff (or song)
    // playing.
    bool readyToStartSteps(bool song);
    // Starts riff (or song) playback on its first step; false when it has none.
    bool startSteps(bool song);
    qint64 renderFrameCap(int riff) const;
    // The renders stop playback (as a stop would) and leave the position where it was then.
    void startRender();
    // Renders the sequencer's riff or song once through.
    void renderSteps(QVector<float> &left, QVector<float> &right, qint64 cap);
    // The run's first `frames` frames go to the end of a render.
    void appendRun(QVector<float> &left, QVector<float> &right, int frames);
    void finishRender();
    void startDisplayClock();
    void clearFlashToggles();
    // Announces step -1 (no step plays) once riff and song playback have ended, after the
    // steps the audio thread announced before.
    void announceStepsEnded();
    int selectionStart() const;
    int selectionEnd() const;
    // Where playing from the selection starts: its start, also where a single click left
    // it empty; 0 when it lies past the end of this track (left from a longer one).
    int selectionPlayStart() const { return selectionStart() < m_length ? selectionStart() : 0; }
    // A selection that is empty, or lies past the end of this track (left from a longer
    // one), counts as none.
    bool selectionEmpty() const { return selectionEnd() <= selectionStart() || selectionStart() >= m_length; }
    // The transport's rule for every position it sets: within the track, and at least a
    // block in (a position p below that becomes p + a block).
    int transportPosition(int position) const;
    void restorePitchFromCopy();

    RealTimeEngine m_engine;
    Sequencer m_sequencer;
    // Held by the audio thread over each pass, and by everything that moves the position,
    // replaces the track or stops playback; recursive so that a stop inside a pass is safe.
    mutable QRecursiveMutex m_passMutex;

    // Room for a run: a block and the splices inside it (a few; a loop shorter than a
    // block goes on splicing in the next run).
    static constexpr int runFrames = 4 * blockFrames;
    static constexpr int maxFadeFrames = blockFrames;
    float m_blockL[blockFrames] = {};
    float m_blockR[blockFrames] = {};
    std::vector<float> m_runL, m_runR, m_pushBuffer;
    // The outgoing side of a splice's crossfade, and the weights of the incoming side.
    std::vector<float> m_fadeL, m_fadeR, m_fadeIn;
    int m_halfFade = 64;
    // The track frame that the next output frame sounds.
    std::atomic<int> m_position{RealTimeEngine::hopSize};
    // The next run primes the engine at the position (a start), or splices to what the
    // sequencer plays now (the position moved while playing).
    bool m_primePending = false;
    bool m_jumpPending = false;
    float m_playingPitch = 1.0f; // the step pitch the engine plays
    QVector<float> m_passBeats;  // the beats of the run under way

    audiolayer::Handle m_stream = 0;
    int m_length = 0;
    const float *m_left = nullptr;
    const float *m_right = nullptr;
    int m_sampleRate = 44100;
    std::atomic<float> m_gain{0.99f};
    std::atomic<float> m_metroGain{0.0f};
    std::atomic<bool> m_stopped{true};
    // Paused: the stream holds what was pushed and not yet heard, and the play button goes
    // on with it. A seek, a render, a new stream or track while paused start afresh instead.
    std::atomic<bool> m_paused{false};
    std::atomic<bool> m_loop{false};
    int *m_selectionStart = nullptr;
    int *m_selectionEnd = nullptr;
    MetaData *m_metaData = nullptr;

    std::atomic<int> m_currentRiff{0};
    std::atomic<bool> m_riffPlaying{false};
    std::atomic<bool> m_songPlaying{false};
    std::atomic<int> m_riffStep{0};
    std::atomic<int> m_songStep{0};
    int m_beatOffset = 49;
    // The pitch tool's switch as the user left it; steps of a riff set their own pitch
    // (m_stepPitchApplied) and stopping puts both back.
    std::atomic<bool> m_userPitchOff{true};
    std::atomic<bool> m_stepPitchApplied{false};
    QVector<float> m_exportL, m_exportR, m_riffL, m_riffR, m_songL, m_songR;
    bool m_exportStarted = false;
    bool m_exportDone = false;
    QVector<float> m_exportHeldL, m_exportHeldR; // rendered, not yet handed out
    // The position and the display position that a render leaves as it found them.
    int m_renderReturn = 0;
    float m_renderDisplay = 0.0f;

    QTimer *m_displayTimer = nullptr;
    float m_displayPosition = 0;
    std::atomic<float> m_pitchCopy{1.0f};
    bool m_flashMain = false;
    bool m_flashRiff = false;
    bool m_flashSong = false;

    MetronomeClicks m_clicks;
    int m_lastClickBeat = -1;

    int m_tickCount = 0;
    QElapsedTimer m_tickClock;

    std::atomic<bool> m_streamReady{false};
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_firstFrameSilent{false};
    bool m_outputOk = false;

    std::atomic<qint64> m_blocksPushed{0};
    std::atomic<qint64> m_framesPushed{0};
    std::atomic<qint64> m_starvedPasses{0};
    // The queue reached its limit since the last start (audio thread, under m_passMutex).
    bool m_queueFilled = false;
};
