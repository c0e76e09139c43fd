// The player's thread, output stream and transport, headless on SDL's dummy driver (and,
// for the bit-exact check, its disk driver).
#include "audio/audioplayer.h"
#include "metadata/metadata.h"
#include "real_time_tools/realtimeengine.h"
#include "tests/testrunner.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>

#include "tests/capturegaps.h"

#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr int kPatientMs = 60000; // a busy machine may be slow; a wait ends as soon as it can

struct Track {
    std::vector<float> left, right;
    int rate;
    int frames() const { return int(left.size()); }
};

Track makeTrack(double seconds, int rate, double freqL = 440.0, double freqR = 660.0)
{
    Track t;
    t.rate = rate;
    const size_t n = size_t(seconds * rate);
    t.left.resize(n);
    t.right.resize(n);
    for (size_t i = 0; i < n; ++i) {
        t.left[i] = float(0.4 * std::sin(2 * M_PI * freqL * double(i) / rate));
        t.right[i] = float(0.4 * std::sin(2 * M_PI * freqR * double(i) / rate));
    }
    return t;
}

void load(AudioPlayer &player, const Track &t)
{
    player.setAudioData(t.left.data(), t.right.data(), 2, t.frames(), t.rate);
}

// The metronome over a silent track: beats every beatFrames from firstBeat (the last one
// closing the one before), and a click that starts at full level, so that its first frame
// tells where it begins.
void setUpMetronome(AudioPlayer &player, MetaData &meta, const std::vector<float> &silence, int firstBeat,
                    int beatFrames, int beats)
{
    QStringList beatTexts, chords;
    for (int b = 0; b < beats; ++b) {
        beatTexts << QString::number(firstBeat + beatFrames * b);
        chords << "C";
    }
    meta.loadFromSession(beatTexts, chords.mid(1), {"C"}, "120", "x");
    player.initMetaData(&meta);
    player.setAudioData(silence.data(), silence.data(), 1, int(silence.size()), 44100);
    std::vector<float> click(1024);
    for (int i = 0; i < 1024; ++i)
        click[size_t(i)] = 1.0f - float(i) / 1024.0f;
    player.setMetronomeClick(click.data(), click.data(), 1024);
    player.setMetroVolume(100);
}

// Under SDL's disk driver: plays the track `setUp` loads to its end and returns what the
// driver captured (nothing when playback did not end).
QByteArray captureOfPlayback(const std::function<void(AudioPlayer &)> &setUp, int timeoutMs)
{
    {
        AudioPlayer player;
        setUp(player);
        player.play();
        if (!QTest::qWaitFor([&] { return !player.isPlaying(); }, timeoutMs))
            return {};
        QTest::qWait(600);
        player.shutdown();
    }
    QFile f(qEnvironmentVariable("SDL_DISKAUDIOFILE"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Interleaved stereo frames from the first one that holds a sound.
std::vector<float> fromFirstSound(std::vector<float> frames)
{
    size_t first = 0;
    while (first + 1 < frames.size() && frames[first] == 0.0f && frames[first + 1] == 0.0f)
        first += 2;
    frames.erase(frames.begin(), frames.begin() + long(first));
    return frames;
}

// Under SDL's disk driver: plays what `setUp` starts until the driver has taken `frames`
// frames (`watch` runs meanwhile); returns the capture from its first sound on.
std::vector<float> captureWhilePlaying(const std::function<void(AudioPlayer &)> &setUp, int frames,
                                       const std::function<void(AudioPlayer &)> &watch = {})
{
    const QString path = qEnvironmentVariable("SDL_DISKAUDIOFILE");
    {
        AudioPlayer player;
        setUp(player);
        (void)QTest::qWaitFor(
            [&] {
                if (watch)
                    watch(player);
                return QFileInfo(path).size() >= qint64(frames) * 8 || !player.isPlaying();
            },
            kPatientMs);
        player.stop();
        player.shutdown();
    }
    QFile f(path);
    return fromFirstSound(playedFrames(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray()));
}

// Output frames where clicks start; the capture begins at the second frame (the first is silent).
std::vector<int> clickFrames(const std::vector<float> &played)
{
    std::vector<int> at;
    for (size_t i = 2; i < played.size(); i += 2) {
        if (played[i] > 0.5f && played[i - 2] < 0.01f)
            at.push_back(int(i / 2) + 1);
    }
    return at;
}

// Stops the player's thread when a test leaves, after a failed check too, before the
// track and the selection it reads go away. Declared after them.
class StopsPlayer
{
public:
    explicit StopsPlayer(AudioPlayer &player) : m_player(player) {}
    ~StopsPlayer()
    {
        m_player.shutdown();
        m_player.clearAudioData();
    }

private:
    AudioPlayer &m_player;
};

// Pauses the player and waits for the pass under way: the position then tells what was
// pushed.
void pauseAndSettle(AudioPlayer &player)
{
    if (player.isPlaying())
        player.pause();
    QVERIFY(!player.isPlaying());
}


} // namespace

class TestAudioPlayer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (qEnvironmentVariable("SDL_AUDIODRIVER") == "disk")
            QSKIP("the disk-driver run only checks the captured output");
    }

    void playsBlockByBlockWithABoundedQueue()
    {
        AudioPlayer player;
        QVERIFY(player.isOutputReady());
        const Track t = makeTrack(10, 44100);
        load(player, t);
        StopsPlayer stops(player);
        QVERIFY(!player.isPlaying());
        const int start = player.playPosition();
        player.play();
        QVERIFY(player.isPlaying());
        int maxQueued = 0;
        QElapsedTimer clock;
        clock.start();
        while (player.blocksPushed() < 40 && clock.elapsed() < kPatientMs) {
            QTest::qWait(5);
            maxQueued = std::max(maxQueued, player.queuedBytes());
        }
        pauseAndSettle(player);
        // What went out is the track from where it started, frame for frame.
        QVERIFY(player.blocksPushed() >= 40);
        QCOMPARE(qint64(player.playPosition() - start), player.framesPushed());
        QVERIFY2(maxQueued <= AudioPlayer::queueLimitBytes + AudioPlayer::pushBytes, qPrintable(QString::number(maxQueued)));
        QVERIFY(maxQueued > 0);
        // The display position catches up with the paused position.
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(*player.timeBuffer() - player.playPosition()) <= 4096, kPatientMs);
        player.stop();
        QVERIFY(!player.isPlaying());
        player.shutdown();
    }

    void endOfTrackStopsAndUnlatches()
    {
        AudioPlayer player;
        const Track t = makeTrack(1.0, 44100);
        load(player, t);
        StopsPlayer stops(player);
        QSignalSpy unlatch(&player, SIGNAL(unlatchMainPlay()));
        QSignalSpy greyed(&player, SIGNAL(setGreyedButtonsHidden(bool)));
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), kPatientMs);
        QTRY_COMPARE(unlatch.count(), 1);
        QTRY_VERIFY(greyed.count() >= 1);
        // Stopped at the end, the position went back to the (empty) selection's start.
        QVERIFY(player.playPosition() <= RealTimeEngine::hopSize);
        player.shutdown();
    }

    void loopStaysInsideTheSelection()
    {
        AudioPlayer player;
        const Track t = makeTrack(6, 44100);
        int selStart = 44100, selEnd = 66150;
        player.setSelectionPointers(&selStart, &selEnd);
        load(player, t);
        StopsPlayer stops(player);
        player.loop(true);
        player.play();
        QCOMPARE(player.playPosition(), selStart);
        QElapsedTimer clock;
        clock.start();
        int wraps = 0, last = player.playPosition();
        while (wraps < 2 && clock.elapsed() < kPatientMs) {
            QTest::qWait(3);
            const int p = player.playPosition();
            QVERIFY2(p >= selStart && p <= selEnd + 2 * RealTimeEngine::hopSize, qPrintable(QString::number(p)));
            if (p < last)
                ++wraps;
            last = p;
        }
        QVERIFY(player.isPlaying());
        QVERIFY2(wraps >= 2, qPrintable(QString::number(wraps)));
        player.shutdown();
    }

    void loopWithoutSelectionNeverLeavesTheTrack()
    {
        AudioPlayer player;
        const Track t = makeTrack(0.6, 44100);
        int selStart = 0, selEnd = 0;
        player.setSelectionPointers(&selStart, &selEnd);
        load(player, t);
        StopsPlayer stops(player);
        player.loop(true);
        player.play();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 1500) {
            QTest::qWait(3);
            QVERIFY(player.playPosition() >= 0 && player.playPosition() <= t.frames());
        }
        QVERIFY(player.isPlaying());
        player.shutdown();
    }

    void pauseResumeAndSeek()
    {
        AudioPlayer player;
        const Track t = makeTrack(8, 44100);
        load(player, t);
        StopsPlayer stops(player);
        // No seeking beyond the ends, track or not.
        player.seekB();
        QCOMPARE(player.playPosition(), RealTimeEngine::hopSize);
        player.setPlayPosition(200000);
        player.seekF();
        QCOMPARE(player.playPosition(), 200000 + 32768);
        player.seekB();
        player.seekB();
        QCOMPARE(player.playPosition(), 200000 - 32768);
        player.setPlayPosition(20000);
        player.seekB();
        QCOMPARE(player.playPosition(), RealTimeEngine::hopSize);

        player.pause(); // stopped: starts from where the position is
        QVERIFY(player.isPlaying());
        QTest::qWait(300);
        player.pause();
        QVERIFY(!player.isPlaying());
        QTest::qWait(60);
        const int frozen = player.playPosition();
        QTest::qWait(200);
        QCOMPARE(player.playPosition(), frozen);
        player.pause();
        QVERIFY(player.isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(player.playPosition() > frozen, kPatientMs);

        // Seeking forward near the end stops playback.
        player.setPlayPosition(t.frames() - 1000);
        player.seekF();
        QVERIFY(!player.isPlaying());
        player.setPlaybackPos(10, 0); // no width: nothing happens, nothing divides by zero
        player.setPlaybackPos(500, 1000);
        QCOMPARE(player.playPosition(), t.frames() / 2);
        player.shutdown();
    }

    void beatAndMetronomeSignalsOncePerBeat()
    {
        AudioPlayer player;
        MetaData meta;
        player.initMetaData(&meta);
        // Long enough that a slow check still finds it playing.
        const Track t = makeTrack(30, 44100);
        QStringList beats, chords;
        for (int i = 0; i < 120; ++i) {
            beats << QString::number(11025 * i);
            chords << "C";
        }
        meta.loadFromSession(beats, chords.mid(0, 119), {"C"}, "240", "x");
        QVERIFY(meta.hasData());
        load(player, t);
        StopsPlayer stops(player);
        player.setMetroVolume(50);
        QSignalSpy beat(&player, SIGNAL(changeBeat()));
        QSignalSpy metro(&player, SIGNAL(flashMetro()));
        QSignalSpy relayed(&meta, SIGNAL(changeBeat()));
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.playPosition() > 8 * 11025, kPatientMs);
        pauseAndSettle(player);
        // One beat signal for each beat the played blocks reached, give or take the one
        // under way (beats count from 2048 frames before their position).
        const int reached = (player.playPosition() + 2048) / 11025;
        QVERIFY2(std::abs(beat.count() - reached) <= 1,
                 qPrintable(QString("%1 beat signals, %2 beats reached").arg(beat.count()).arg(reached)));
        QVERIFY(std::abs(metro.count() - beat.count()) <= 1);
        QTRY_COMPARE(relayed.count(), beat.count());
        player.shutdown();
    }

    // Whether the output ever runs dry is measured by bench/player/playerprobe (at 96 kHz:
    // playerprobe 20 96000), never here: it depends on the machine's load.
    void highRateTrackPlaysThrough()
    {
        AudioPlayer player;
        const Track t = makeTrack(5, 96000);
        load(player, t);
        StopsPlayer stops(player);
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.playPosition() > 96000 * 1.5, kPatientMs);
        QVERIFY(player.isPlaying());
        pauseAndSettle(player);
        QCOMPARE(qint64(player.playPosition() - RealTimeEngine::hopSize), player.framesPushed());
        player.shutdown();
    }

    void pitchAndTempoReachTheEngineAndSurviveTheTransport()
    {
        AudioPlayer player;
        const Track t = makeTrack(6, 44100);
        load(player, t);
        StopsPlayer stops(player);
        // The pitch set last is the one play and stop restore, whether the tool was on or off.
        player.setInterp(1.1f);
        player.activatePitch(false);
        player.setInterp(1.2f);
        player.play();
        QCOMPARE(player.engine().interpFactor(), 1.2f);
        player.stop();
        QCOMPARE(player.engine().interpFactor(), 1.2f);

        player.activatePitch(true);
        player.setHop(1.5f);
        player.activateTempo(false);
        const qint64 pushedBefore = player.blocksPushed();
        const qint64 framesBefore = player.framesPushed();
        player.play();
        const int start = RealTimeEngine::hopSize; // play() starts at the (empty) selection
        QTRY_VERIFY_WITH_TIMEOUT(player.blocksPushed() - pushedBefore >= 20, kPatientMs);
        pauseAndSettle(player);
        // Every frame played took one and a half frames of the track.
        QCOMPARE(qint64(player.playPosition() - start), (player.framesPushed() - framesBefore) * 3 / 2);
        player.shutdown();
    }

    void lowPitchTailAndStaleSelections()
    {
        // Pitch far below 1 takes the end-of-track path with the most frames left over.
        AudioPlayer player;
        const Track t = makeTrack(1.0, 44100);
        int selStart = 200000, selEnd = 300000; // left over from a longer track
        player.setSelectionPointers(&selStart, &selEnd);
        load(player, t);
        StopsPlayer stops(player);
        player.setInterp(0.3f);
        player.activatePitch(false);
        player.loop(true);
        player.play();
        // The stale selection counts as none: playback runs from the start and loops the track.
        QVERIFY(player.playPosition() < t.frames());
        QTRY_VERIFY_WITH_TIMEOUT(player.blocksPushed() > 20, kPatientMs);
        QVERIFY(player.isPlaying());
        QVERIFY(player.playPosition() >= 0 && player.playPosition() <= t.frames());
        player.loop(false);
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), kPatientMs);

        // The transport's small moves.
        selStart = 20000;
        selEnd = 30000;
        player.toEnd();
        QCOMPARE(player.playPosition(), t.frames());
        player.toBeginning();
        QCOMPARE(player.playPosition(), 20000);
        player.setPlayPosition(5000);
        player.selectionSingleClick();
        QCOMPARE(player.playPosition(), 20000);
        // Stop while stopped, without loop, with an empty selection: back to the start.
        selEnd = selStart;
        player.stop();
        QCOMPARE(player.playPosition(), RealTimeEngine::hopSize);
        QCOMPARE(selStart, 0);
        QCOMPARE(selEnd, 0);
        player.shutdown();
    }

    void playsFromWhereASingleClickLeftTheSelection()
    {
        // The track ends 30000 frames after the click: playing from there takes a few
        // dozen blocks, from the start more than four hundred.
        const int clicked = 438017;
        Track t = makeTrack(1.0, 44100);
        t.left.resize(size_t(clicked + 30000), 0.1f);
        t.right.resize(size_t(clicked + 30000), 0.1f);
        AudioPlayer player;
        int selStart = 0, selEnd = 0;
        player.setSelectionPointers(&selStart, &selEnd);
        load(player, t);

        // A single click empties the selection at the pointer; its double click plays.
        selStart = selEnd = clicked;
        player.selectionSingleClick();
        QCOMPARE(player.playPosition(), clicked);
        player.play();
        QVERIFY2(player.playPosition() >= clicked, qPrintable(QString::number(player.playPosition())));
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), kPatientMs);
        QVERIFY2(player.blocksPushed() < 40, qPrintable(QString::number(player.blocksPushed())));
        QCOMPARE(player.playPosition(), clicked);

        // "Play From Selection Start" does the same.
        const qint64 before = player.blocksPushed();
        player.setPlayPosition(RealTimeEngine::hopSize);
        player.playFromSelectionStart();
        QVERIFY(player.playPosition() >= clicked);
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), kPatientMs);
        QVERIFY(player.blocksPushed() - before < 40);

        // The transport's play goes on from where the position is.
        player.setPlayPosition(clicked + 10000);
        player.pause();
        QVERIFY(player.playPosition() >= clicked + 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), kPatientMs);
        player.shutdown();
    }

    void metronomeClicksStartOnTheirBeatsAtEveryTempoInEveryMode()
    {
        // 120 BPM over silence: the export render holds nothing but the clicks.
        // The render starts where the first beat sounds, as playing a selection does.
        constexpr int beatFrames = 22050, firstBeat = 30000, beats = 9, start = firstBeat - 2048;
        const int frames = firstBeat + beatFrames * (beats + 1);
        const std::vector<float> silence(size_t(frames), 0.0f);
        MetaData meta;
        AudioPlayer player;
        setUpMetronome(player, meta, silence, firstBeat, beatFrames, beats);

        struct Setting { float tempo; int mode; }; // mode 0: tempo tool off
        for (const Setting s : {Setting{1.0f, 0}, Setting{1.0f, 1}, Setting{1.0f, 4}, Setting{0.75f, 1},
                                Setting{0.75f, 2}, Setting{0.75f, 3}, Setting{0.75f, 4}}) {
            player.resetHopFactor();
            if (s.mode > 0) {
                player.setHop(s.tempo);
                player.activateTempo(false);
                player.changeMode(s.mode);
            }
            player.startExportRender(start);
            std::vector<float> out;
            while (player.renderExportBlock() == 0)
                out.insert(out.end(), player.exportBlockLeft().begin(), player.exportBlockLeft().end());
            player.endExportRender();
            std::vector<int> onsets;
            for (int i = 0; i < int(out.size()); ++i) {
                if (out[size_t(i)] > 0.5f && (i == 0 || out[size_t(i - 1)] < 0.01f))
                    onsets.push_back(i);
            }
            // A beat sounds 2048 frames before its position. The render sounds its start
            // first (without the tempo tool a frame later) and goes on at the tempo's rate.
            const double rate = 1024.0 / std::floor(1024.0 * s.tempo);
            const double first = s.mode > 0 ? start : start + 1;
            const QString where = QString("tempo %1 mode %2").arg(s.tempo).arg(s.mode);
            QVERIFY2(onsets.size() == size_t(beats - 1), qPrintable(where + QString(": %1 clicks").arg(onsets.size())));
            for (int b = 0; b < beats - 1; ++b) {
                const double beatFrame = firstBeat + beatFrames * b - 2048;
                const double expected = std::max(0.0, (beatFrame - first) * rate);
                QVERIFY2(std::abs(onsets[size_t(b)] - expected) <= 1.0,
                         qPrintable(where + QString(": beat %1 clicks at %2, not %3").arg(b).arg(onsets[size_t(b)]).arg(expected)));
            }
        }
    }

    void deviceNamesPreferTheExactMatch()
    {
        const QStringList names = {"Speakers 2", "Speakers", "USB Headset"};
        QCOMPARE(AudioPlayer::deviceNameToIndex("Speakers", names), 1);
        QCOMPARE(AudioPlayer::deviceNameToIndex("Speakers (Default)", names), 1);
        QCOMPARE(AudioPlayer::deviceNameToIndex("Headset", names), 2);
        QCOMPARE(AudioPlayer::deviceNameToIndex("", names), -1);
        QCOMPARE(AudioPlayer::deviceNameToIndex("HDMI", names), -1);

        AudioPlayer player;
        const QStringList devices = player.getDeviceList();
        QVERIFY(!devices.isEmpty());
        QCOMPARE(player.deviceStringToIndex(devices.first()), 0);
        QCOMPARE(player.deviceStringToIndex(devices.first() + " (Default)"), 0);
        QCOMPARE(player.deviceStringToIndex("no such device anywhere"), -1);
        QVERIFY(!player.getAudioDevice().isEmpty());
    }
};

// Under SDL's disk driver the pushed blocks come out as they were: run the player over a
// short track and compare the capture with the same blocks rendered offline.
class TestCapturedOutput : public QObject
{
    Q_OBJECT
private slots:
    void captureEqualsOfflineRender()
    {
        const QString capture = qEnvironmentVariable("SDL_DISKAUDIOFILE");
        if (qEnvironmentVariable("SDL_AUDIODRIVER") != "disk" || capture.isEmpty())
            QSKIP("runs under SDL's disk driver only");
        const Track t = makeTrack(1.5, 44100);
        // Rendered offline at the output's volume, its first frame silent as a start's is.
        std::vector<float> expected;
        {
            AudioPlayer renderer;
            load(renderer, t);
            renderer.startExportRender(RealTimeEngine::hopSize);
            while (renderer.renderExportBlock() == 0) {
                for (int i = 0; i < renderer.exportBlockLeft().size(); ++i)
                    expected.insert(expected.end(), {renderer.exportBlockLeft()[i] * 0.99f, renderer.exportBlockRight()[i] * 0.99f});
            }
            expected[0] = expected[1] = 0.0f;
        }
        const QByteArray bytes = captureOfPlayback([&](AudioPlayer &player) { load(player, t); }, kPatientMs);
        QVERIFY(!bytes.isEmpty());
        // Both aligned on their first sound; gaps a busy machine left are not compared.
        const std::vector<float> played = fromFirstSound(playedFrames(bytes));
        const std::vector<float> wanted = fromFirstSound(expected);
        QVERIFY2(played.size() >= wanted.size(), qPrintable(QString("%1 of %2").arg(played.size()).arg(wanted.size())));
        for (size_t i = 0; i < wanted.size(); ++i)
            QVERIFY2(played[i] == wanted[i], qPrintable(QString("sample %1 of %4: %2 vs %3").arg(i).arg(played[i]).arg(wanted[i]).arg(wanted.size())));
    }

    // Loops wrap where they end, to the frame: the metronome clicks every beat that plays
    // at its own output frame, after every wrap too, and no beat that does not play.
    void loopsWrapAndClickToTheFrame()
    {
        if (qEnvironmentVariable("SDL_AUDIODRIVER") != "disk")
            QSKIP("runs under SDL's disk driver only");
        std::vector<float> faint(size_t(20000 + 11025 * 6));
        for (size_t i = 0; i < faint.size(); ++i)
            faint[i] = float(0.002 * std::sin(2 * M_PI * 441.0 * double(i) / 44100.0));
        MetaData meta;
        int selStart = 20000 + 11025 - 2048, selEnd = selStart + 2 * 11025;
        auto loopClicks = [&](const std::vector<float> &track, int firstBeat, int beats, int frames) {
            return clickFrames(captureWhilePlaying(
                [&](AudioPlayer &player) {
                    setUpMetronome(player, meta, track, firstBeat, 11025, beats);
                    player.setSelectionPointers(&selStart, &selEnd);
                    player.loop(true);
                    player.play();
                },
                frames));
        };
        std::vector<int> clicks = loopClicks(faint, 20000, 6, 8 * 11025);
        QVERIFY2(clicks.size() >= 6, qPrintable(QString::number(clicks.size())));
        for (size_t k = 0; k < clicks.size(); ++k)
            QCOMPARE(clicks[k], int(k + 1) * 11025);

        // The track looped from a block in: no click before the loop, one in its last frames.
        selStart = selEnd = 0;
        clicks = loopClicks(std::vector<float>(faint.begin(), faint.begin() + 26050), 2500, 4, 3 * 25026 + 4096);
        QVERIFY2(clicks.size() >= 6, qPrintable(QString::number(clicks.size())));
        for (size_t k = 0; k < clicks.size(); ++k)
            QCOMPARE(clicks[k], int(k / 2) * 25026 + (k % 2 ? 21478 : 10453));
    }

    // At 44.1 and 96 kHz, transposed, the output never runs dry: the disk driver, slower than
    // real time, lets a player that keeps up fill the queue to its limit.
    void theOutputNeverRunsDry()
    {
        if (qEnvironmentVariable("SDL_AUDIODRIVER") != "disk")
            QSKIP("runs under SDL's disk driver only");
        for (const int rate : {44100, 96000}) {
            const Track t = makeTrack(6, rate);
            int most = 0;
            qint64 starved = -1;
            captureWhilePlaying(
                [&](AudioPlayer &player) {
                    load(player, t);
                    player.setInterp(1.2f);
                    player.activatePitch(false);
                    player.play();
                },
                24 * AudioPlayer::blockFrames,
                [&](AudioPlayer &player) {
                    most = std::max(most, player.queuedBytes());
                    starved = player.starvedPasses();
                });
            const QString at = QString("%1 Hz: %2 starved passes, %3 bytes queued at most").arg(rate).arg(starved).arg(most);
            QVERIFY2(starved == 0 && most >= AudioPlayer::queueLimitBytesAt(rate), qPrintable(at));
        }
    }

    // Pause and play go on with what was pushed and not yet heard: a ramp plays unbroken.
    void pauseGoesOnWithWhatTheOutputHeld()
    {
        if (qEnvironmentVariable("SDL_AUDIODRIVER") != "disk")
            QSKIP("runs under SDL's disk driver only");
        const QString path = qEnvironmentVariable("SDL_DISKAUDIOFILE");
        std::vector<float> ramp(441000);
        for (size_t i = 0; i < ramp.size(); ++i)
            ramp[i] = float(i) / float(ramp.size());
        bool paused = false;
        const std::vector<float> played = captureWhilePlaying(
            [&](AudioPlayer &player) {
                player.setAudioData(ramp.data(), ramp.data(), 1, int(ramp.size()), 44100);
                player.play();
            },
            24 * AudioPlayer::blockFrames,
            [&](AudioPlayer &player) {
                if (!paused && QFileInfo(path).size() >= 8 * AudioPlayer::pushBytes && player.queuedBytes() > 0) {
                    player.pause();
                    paused = !player.isPlaying();
                    player.pause();
                }
            });
        QVERIFY(paused && played.size() > 16 * 2 * AudioPlayer::blockFrames);
        const double step = played[2] - played[0];
        QVERIFY2(played[0] < 2 * AudioPlayer::blockFrames * step, qPrintable(QString::number(played[0] / step)));
        for (size_t i = 2; i < played.size(); i += 2) {
            const double frames = (played[i] - played[i - 2]) / step;
            QVERIFY2(std::abs(frames - 1.0) < 0.5, qPrintable(QString("%1 frames on at frame %2").arg(frames).arg(i / 2)));
        }
    }

    void monoSumPlaybackClicksEveryBeatAtTheStretchedInterval()
    {
        const QString capture = qEnvironmentVariable("SDL_DISKAUDIOFILE");
        if (qEnvironmentVariable("SDL_AUDIODRIVER") != "disk" || capture.isEmpty())
            QSKIP("runs under SDL's disk driver only");
        // 240 BPM over a faint tone (so that gaps a busy machine leaves can be told from the
        // track), played at tempo 0.75 in mode 4 (the mono sum).
        constexpr int beatFrames = 11025, firstBeat = 20000, beats = 7;
        std::vector<float> faint(size_t(firstBeat + beatFrames * beats + 8192));
        for (size_t i = 0; i < faint.size(); ++i)
            faint[i] = float(0.002 * std::sin(2 * M_PI * 441.0 * double(i) / 44100.0));
        MetaData meta;
        const QByteArray bytes = captureOfPlayback(
            [&](AudioPlayer &player) {
                setUpMetronome(player, meta, faint, firstBeat, beatFrames, beats);
                player.setHop(0.75f);
                player.activateTempo(false);
                player.changeMode(4);
            },
            30000);
        QVERIFY(!bytes.isEmpty());
        const std::vector<float> played = playedFrames(bytes);
        const float *got = played.data();
        const int n = int(played.size() / 2);
        std::vector<int> onsets;
        for (int i = 1; i < n; ++i) {
            if (got[2 * i] > 0.5f && got[2 * i - 2] < 0.01f && got[2 * i + 1] == got[2 * i])
                onsets.push_back(i);
        }
        QCOMPARE(int(onsets.size()), beats - 1);
        for (size_t i = 1; i < onsets.size(); ++i)
            QVERIFY2(std::abs(onsets[i] - onsets[i - 1] - beatFrames * 4 / 3) <= 1,
                     qPrintable(QString("click %1 after %2 frames").arg(i).arg(onsets[i] - onsets[i - 1])));
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return runTests<TestAudioPlayer, TestCapturedOutput>(argc, argv);
}

#include "tst_audioplayer.moc"
