// AudioPlayer: plays the loaded track on the output device. Its thread keeps about
// 93 ms queued in the output stream (32 KB at 44.1 kHz): each pass follows the loop and
// the beats, runs one block of the real-time engine (tempo, pitch, isolate), mixes gain
// and the metronome click and pushes 1024 stereo frames. Its slots, called on the GUI thread, are the
// transport, the tool parameters, the volumes and the device choice; a 10 ms timer
// advances the smoothed display position that the clock and the play markers read.
// MainWindow creates it and hands it the decoded arrays. It also plays riffs and songs of
// the riff builder step by step, shifts the beat grid for the beat-offset knob, and renders
// the processed track, a riff or the song offline for the export (audioplayerriffs.cpp).
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

#include "audio/layer/audiolayer.h"
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
    // The last frames of a track that riff and song steps leave out: playback there would
    // meet the end of the track (the engine reads a stretched frame ahead; a step's pitch
    // times the pitch knob stretches it up to four times).
    static constexpr int stepTailGuard = 4 * RealTimeEngine::frameSize + 2 * blockFrames;

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
    void appendRiff(RiffSource *riff) { m_riffs.append(riff); }
    void setSong(const SongSlots *songSlots) { m_song = songSlots; }

    int playPosition() const { return m_engine.playPosition(); }
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
    // Each stops playback first and runs the same block processing as playback (tempo,
    // pitch, isolate); the pitch tool is left as the user set it.
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
    // the position back to the start and returns 1. The range lasts (end - start) / tempo
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
    void setRiffLength(int steps) { m_riffLength = steps; }
    void setSongLength(int steps) { m_songLength = steps; }
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
    void followBeats(bool &clickThisPass, bool withSignals = true);

    // ---- Riff and song stepping (audioplayerriffs.cpp) ----
    // Audio thread while playing, GUI thread for the renders; the pass lock is held.
    struct StepWindow
    {
        int start = 0;
        int end = -1;      // included
        bool valid = false;
    };
    struct StepResult
    {
        bool advanced = false; // a new step began
        bool wrapped = false;  // ... and the riff or the song started over
        bool ended = false;    // nothing can play any more
    };
    QVector<float> beatList() const;
    // The frames a step on `beat` plays, inside what playback may reach of the track.
    StepWindow stepWindow(const QVector<float> &beats, int beat) const;
    RiffSource *riffSource(int riff) const;
    int firstPlayableStep(const RiffSource *source, int from, const QVector<float> &beats) const;
    bool riffCanPlay(int riff, const QVector<float> &beats) const;
    int nextPlayableSlot(int after, const QVector<float> &beats) const;
    // The beat of a riff's step (-1 past its last step), whether that step has a window,
    // and whether the play position still lies in it.
    bool stillInStep(const RiffSource *source, int step, const QVector<float> &beats, int &beat,
                     bool &windowValid) const;
    StepResult nextRiffStep(bool withSignals);
    StepResult nextSongStep(bool withSignals);
    void applyStepPitch(float factor, bool withSignals);
    // stop(); unlatchRiffSong false leaves the riff and song play buttons to the press
    // that is stopping playback (its release unlatches them).
    void halt(bool endOfTrack, bool unlatchRiffSong);
    // False when there is nothing to start from, or when it stopped the riff (or song)
    // playing.
    bool readyToStartSteps(bool song);
    void startSteps(bool song, int slot, int riff, int first, const QVector<float> &beats);
    qint64 renderFrameCap(const RiffSource *source, const QVector<float> &beats) const;
    // Output frames that input frames from..to (excluded) last at the present tempo.
    int outputFrames(qint64 from, qint64 to) const;
    void renderBlockInto(QVector<float> &left, QVector<float> &right);
    // Starts a riff or song render on its first step.
    void startStepRender(int start, float pitch);
    // After the last block of a riff or song render, which sounded from frame `from` on:
    // drops what the render sounded from frame `end` on (where the last step's window
    // ends, and the next beat's begins).
    void trimRenderTail(QVector<float> &left, QVector<float> &right, int from, int end);
    void finishRender();
    void startDisplayClock();
    void clearFlashToggles();
    // Announces step -1 (no step plays) once riff and song playback have ended, after the
    // steps the audio thread announced before.
    void announceStepsEnded();
    int selectionStart() const;
    int selectionEnd() const;
    // A selection that is empty, or lies past the end of this track (left from a longer
    // one), counts as none.
    bool selectionEmpty() const { return selectionEnd() <= selectionStart() || selectionStart() >= m_length; }
    void restorePitchFromCopy();

    RealTimeEngine m_engine;
    // Held by the audio thread over each pass, and by everything that moves the position,
    // replaces the track or stops playback; recursive so that a stop inside a pass is safe.
    mutable QRecursiveMutex m_passMutex;

    float m_blockL[blockFrames] = {};
    float m_blockR[blockFrames] = {};
    float m_pushBuffer[blockFrames * 2] = {};

    QList<RiffSource *> m_riffs;
    const SongSlots *m_song = nullptr;

    audiolayer::Handle m_stream = 0;
    int m_playStart = 0;
    int m_length = 0;
    const float *m_left = nullptr;
    const float *m_right = nullptr;
    int m_sampleRate = 44100;
    int m_channels = 2;
    std::atomic<float> m_gain{0.99f};
    std::atomic<float> m_metroGain{0.0f};
    std::atomic<bool> m_stopped{true};
    std::atomic<bool> m_loop{false};
    int *m_selectionStart = nullptr;
    int *m_selectionEnd = nullptr;
    MetaData *m_metaData = nullptr;

    std::atomic<int> m_currentRiff{0};
    std::atomic<bool> m_riffPlaying{false};
    std::atomic<bool> m_songPlaying{false};
    int m_riffLength = 0;
    int m_songLength = 0;
    std::atomic<int> m_riffStep{0};
    std::atomic<int> m_songStep{0};
    int m_beatOffset = 49;
    // The pitch tool's switch as the user left it; steps of a riff set their own pitch
    // (m_stepPitchApplied) and stopping puts both back.
    std::atomic<bool> m_userPitchOff{true};
    std::atomic<bool> m_stepPitchApplied{false};
    QVector<float> m_exportL, m_exportR, m_riffL, m_riffR, m_songL, m_songR;
    bool m_exportStarted = false;
    qint64 m_exportFramesLeft = 0; // output frames the export render still owes

    QTimer *m_displayTimer = nullptr;
    float m_displayPosition = 0;
    std::atomic<float> m_pitchCopy{1.0f};
    bool m_flashMain = false;
    bool m_flashRiff = false;
    bool m_flashSong = false;

    std::unique_ptr<float[]> m_click;
    int m_clickLength = 0;
    bool m_metronomeLoaded = false;
    int m_lastClickBeat = -1;

    int m_tickCount = 0;
    QElapsedTimer m_tickClock;

    std::atomic<bool> m_streamReady{false};
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_firstFrameSilent{false};
    bool m_outputOk = false;

    std::atomic<qint64> m_blocksPushed{0};
    std::atomic<qint64> m_starvedPasses{0};
};
