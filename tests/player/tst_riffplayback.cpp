// Riff and song playback and the offline renders, through the real player and block
// engine (SDL's dummy driver) over a track with a beat every 22050 frames, each beat
// carrying a tone of its own level, and riffs held by real riff strips.
#include "analysis/trackanalysis.h"
#include "audio/audioplayer.h"
#include "audio/songslots.h"
#include "metadata/metadata.h"
#include "views/jam/beatselection.h"
#include "tests/real_time_tools/signalmeasure.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int beatFrames = 22050;
constexpr int beatCount = 40;
constexpr int firstBeat = 4096;
constexpr float levelStep = 0.02f;
// What the block engine gives with every tool off: its windows overlap-add to 3/4.
constexpr double engineGain = 0.75;

// Beat b sounds a 441 Hz tone at level 0.02 (b + 1) from 2048 frames before it (where a
// step on it starts), so a stretch of output tells which beat it came from.
struct Fixture
{
    std::vector<float> left, right;
    MetaData metaData;
    SongSlots song;
    std::unique_ptr<AudioPlayer> player;
    QList<BeatSelection *> riffs;
    int frames;

    explicit Fixture(int trackFrames = firstBeat + beatFrames * (beatCount + 1))
        : frames(trackFrames)
    {
        left.resize(size_t(frames));
        right.resize(size_t(frames));
        for (int i = 0; i < frames; ++i) {
            const int beat = std::max(0, (i - firstBeat + BeatSelection::beatLead) / beatFrames);
            const float v = levelStep * float(beat + 1) * float(std::sin(2 * M_PI * 441.0 * i / 44100.0));
            left[size_t(i)] = v;
            right[size_t(i)] = v;
        }
        TrackAnalysis analysis;
        analysis.tempo = 120.0f;
        for (int b = 0; b < beatCount; ++b) {
            analysis.beats.push_back(float(firstBeat + beatFrames * b));
            analysis.chordLabels.push_back("C");
        }
        metaData.setFromAnalysis(analysis);
        player.reset(new AudioPlayer);
        player->initMetaData(&metaData);
        player->setAudioData(left.data(), right.data(), 2, frames, 44100);
        for (int r = 0; r < SongSlots::riffCount; ++r) {
            auto *riff = new BeatSelection;
            riff->setMetaData(&metaData);
            riff->setTrackFrames(frames);
            riffs.append(riff);
            player->appendRiff(riff);
        }
        player->setSong(&song);
    }
    ~Fixture()
    {
        player->shutdown();
        player.reset();
        qDeleteAll(riffs);
    }
    // A riff whose steps lie on these beats, all of them playing (as a session restores it).
    void build(int riff, const std::vector<int> &beats)
    {
        BeatSelection *s = riffs[riff];
        const int last = int(beats.size()) - 1;
        s->setLastStep(last);
        s->setLoopLength(last);
        for (int k = 0; k <= last; ++k)
            s->restoreStep(k, BeatLabel::InLoop, beats[size_t(k)], 0, 0);
        s->finishRestore();
        QCOMPARE(s->lastBeatIndex(), last);
    }
    // The beat whose level the stretch [from, from + count) of a render has.
    static int beatOf(const QVector<float> &samples, int from, int count)
    {
        if (from + count > samples.size())
            return -100;
        double sum = 0;
        for (int i = from; i < from + count; ++i)
            sum += double(samples[i]) * samples[i];
        const double rms = std::sqrt(sum / count);
        return int(std::lround(rms * std::sqrt(2.0) / engineGain / levelStep)) - 1;
    }
};

QString frames(int n)
{
    return QString("%1 frames").arg(n);
}

} // namespace

class TestRiffPlayback : public QObject
{
    Q_OBJECT
private slots:
    // Under SDL's disk driver only the capture test runs (ctest's tst_riffplayback_capture).
    void init()
    {
        if (qEnvironmentVariable("SDL_AUDIODRIVER") == "disk"
            && QByteArray(QTest::currentTestFunction()) != "capturedRiffPlaysItsStepsInOrder")
            QSKIP("the disk-driver run only checks the captured output");
    }

    // What riff playback sent to the output, as SDL's disk driver captured it: the steps in
    // order, each for one beat, the pitched one a fourth up. Gaps of silence (a busy machine
    // may leave the output without audio for a while) are skipped.
    void capturedRiffPlaysItsStepsInOrder()
    {
        const QString capture = qEnvironmentVariable("SDL_DISKAUDIOFILE");
        if (qEnvironmentVariable("SDL_AUDIODRIVER") != "disk" || capture.isEmpty())
            QSKIP("runs under SDL's disk driver only");
        Fixture f;
        f.build(0, {5, 6, 12});
        const float fourth = std::pow(2.0f, 5.0f / 12.0f);
        f.riffs[0]->interpChanged(fourth, 1);
        f.player->setRiff(0);
        f.player->playRiff();
        // Well over one pass of the riff (three beats, 8 bytes a frame) captured.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(capture).size() > 5 * beatFrames * 8, 120000);
        f.player->stop();
        f.player->shutdown();
        QFile file(capture);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const float *got = reinterpret_cast<const float *>(bytes.constData());
        const int frameCount = bytes.size() / 8;

        // Each block of 1024 frames that holds sound: its level and its zero crossings.
        struct Run {
            bool high = false;   // the pitched step
            double level = 0;
            int frames = 0;
        };
        QVector<Run> runs;
        const int n = AudioPlayer::blockFrames;
        for (int at = 0; at + n <= frameCount; at += n) {
            double sum = 0;
            int crossings = 0;
            for (int i = at; i < at + n; ++i) {
                sum += double(got[2 * i]) * got[2 * i];
                if (i > at && (got[2 * i] >= 0) != (got[2 * i - 2] >= 0))
                    ++crossings;
            }
            if (sum == 0)
                continue;
            // 441 Hz crosses zero about 20 times a block, a fourth up about 27 times.
            const bool high = crossings > 24;
            const double level = std::sqrt(2 * sum / n) / (engineGain * 0.99) / levelStep - 1;
            if (runs.isEmpty() || runs.last().high != high || std::abs(runs.last().level - level) > 2)
                runs.append(Run{high, level, 0});
            runs.last().frames += n;
        }
        // Blocks where one step fades into the next form short runs of their own.
        QVector<Run> steps;
        for (const Run &r : qAsConst(runs)) {
            if (r.frames <= 4 * n)
                continue;
            if (!steps.isEmpty() && steps.last().high == r.high && std::abs(steps.last().level - r.level) <= 2)
                steps.last().frames += r.frames;
            else
                steps.append(r);
        }
        QVERIFY2(steps.size() >= 4, qPrintable(QString::number(steps.size())));
        QString seen;
        for (const Run &r : qAsConst(steps))
            seen += QString("%1%2:%3 ").arg(r.high ? "^" : "").arg(r.level, 0, 'f', 1).arg(r.frames);
        const int expected[] = {5, 6, 12, 5};
        for (int k = 0; k < 4; ++k) {
            QVERIFY2(steps[k].high == (k == 1), qPrintable(seen));
            if (k != 1)
                QVERIFY2(std::abs(steps[k].level - expected[k]) < 1.0, qPrintable(seen));
            // A whole beat, give or take the blocks that join the steps.
            if (k > 0 && k < 3)
                QVERIFY2(std::abs(steps[k].frames - beatFrames) <= 4 * n, qPrintable(seen));
        }
    }

    void riffRenderPlaysEachStepOnce()
    {
        Fixture f;
        f.build(0, {5, 6, 7, 8});
        f.player->setRiff(0);
        const int n = f.player->renderRiff();
        const QVector<float> &out = f.player->riffRenderLeft();
        QCOMPARE(n, out.size());
        QVERIFY2(std::abs(out.size() - 4 * beatFrames) <= AudioPlayer::blockFrames, qPrintable(frames(out.size())));
        QCOMPARE(f.player->riffRenderRight().size(), out.size());
        // Unchanged level: the render is the track as it was, beat after beat.
        for (int k = 0; k < 4; ++k)
            QCOMPARE(Fixture::beatOf(out, k * beatFrames + 4096, 8192), 5 + k);
        QVERIFY(f.player->engine().isPitchOff());
        QVERIFY(!f.player->isPlaying());
    }

    void songRenderPlaysItsRiffsInSlotOrder()
    {
        Fixture f;
        f.build(0, {3, 4});
        f.build(1, {20, 21, 22});
        f.song.set(0, 0);
        f.song.set(1, 1);
        f.player->setRiff(4);
        f.player->renderSong();
        const QVector<float> &out = f.player->songRenderLeft();
        // Two runs of consecutive beats, each rounded up to whole blocks.
        QVERIFY2(out.size() >= 5 * beatFrames && out.size() <= 5 * beatFrames + 2 * AudioPlayer::blockFrames,
                 qPrintable(frames(out.size())));
        const int expected[] = {3, 4, 20, 21, 22};
        for (int k = 0; k < 5; ++k)
            QCOMPARE(Fixture::beatOf(out, k * beatFrames + 4096, 8192), expected[k]);
        // The riff builder keeps the riff it showed.
        QCOMPARE(f.player->currentRiff(), 4);
    }

    // Every song step lasts its beat to the frame, at its pitch from first to last; the
    // renders leave the position and an emptied selection where the user had them.
    void everySongStepKeepsItsBeatAndItsPitch()
    {
        int selStart = 300000, selEnd = 300000;
        Fixture f;
        f.player->setSelectionPointers(&selStart, &selEnd);
        f.player->setPlayPosition(300000);
        f.build(0, {5, 9});
        f.build(1, {25, 35});
        f.riffs[0]->interpChanged(std::pow(2.0f, 5.0f / 12.0f), 1);
        f.riffs[1]->interpChanged(std::pow(2.0f, 2.0f / 12.0f), 0);
        f.riffs[1]->interpChanged(std::pow(2.0f, -3.0f / 12.0f), 1);
        f.song.set(0, 0);
        f.song.set(1, 1);
        f.song.set(2, 0);
        QCOMPARE(f.player->renderSong(), 6 * beatFrames);
        const QVector<float> &out = f.player->songRenderLeft();
        const std::vector<float> tone(out.begin(), out.end());
        const int beats[] = {5, 9, 25, 35, 5, 9};
        const int semitones[] = {0, 5, 2, -3, 0, 5};
        for (int k = 0; k < 6; ++k) {
            const QString step = QString("step %1: ").arg(k);
            const int beat = Fixture::beatOf(out, k * beatFrames + 4096, 8192);
            QVERIFY2(std::abs(beat - beats[k]) <= 2, qPrintable(step + QString("beat %1").arg(beat)));
            const double wanted = 441.0 * std::pow(2.0, semitones[k] / 12.0);
            for (const int at : {k * beatFrames + 200, (k + 1) * beatFrames - 1200}) {
                const double got = measureFrequency(tone, size_t(at), size_t(at + 1000));
                QVERIFY2(std::abs(got / wanted - 1.0) < 0.01, qPrintable(step + QString("%1 Hz at %2").arg(got).arg(at)));
            }
        }
        QVERIFY(f.player->renderRiff() > 0);
        f.player->startExportRender(0, 50000);
        while (f.player->renderExportBlock() == 0) {
        }
        QVERIFY(f.player->playPosition() == 300000 && selStart == 300000 && selEnd == 300000);
    }

    // Slower than the track, a song's first block sounds from a little before its first
    // step: the song still renders every step, from the first.
    void slowSongRenderKeepsEveryStep()
    {
        Fixture f;
        f.build(0, {5, 6, 7});
        f.song.set(0, 0);
        f.player->setHop(0.8f);
        f.player->activateTempo(false);
        const int n = f.player->renderSong();
        const double stretched = 3.0 * beatFrames * AudioPlayer::blockFrames / f.player->engine().blockAdvance();
        QVERIFY2(std::abs(n - stretched) <= 2 * AudioPlayer::blockFrames, qPrintable(frames(n)));
        QCOMPARE(Fixture::beatOf(f.player->songRenderLeft(), 4096, 8192), 5);
    }

    void rendersAlwaysEnd()
    {
        Fixture f;
        // Faster tempo: blocks no longer meet the steps' starts.
        f.build(0, {10, 12, 11});
        f.player->setRiff(0);
        f.player->setHop(1.5f);
        f.player->activateTempo(false);
        const int riffFrames = f.player->renderRiff();
        QVERIFY(riffFrames > 0);
        QVERIFY2(riffFrames < 3 * beatFrames, qPrintable(frames(riffFrames)));
        // A song of one slot, not the first.
        f.song.set(6, 0);
        const int songFrames = f.player->renderSong();
        QVERIFY2(songFrames > 0 && songFrames < 3 * beatFrames, qPrintable(frames(songFrames)));
        // A one-step riff.
        f.player->activateTempo(true);
        f.build(2, {30});
        f.player->setRiff(2);
        const int oneStep = f.player->renderRiff();
        QVERIFY2(oneStep >= beatFrames && oneStep <= beatFrames + AudioPlayer::blockFrames, qPrintable(frames(oneStep)));
    }

    void edgesOfTheTrackAndEmptyMaterial()
    {
        {
            // The track ends 10000 frames after its last beat: a step on it plays up to there.
            Fixture cut(firstBeat + beatFrames * (beatCount - 1) + 10000);
            cut.build(0, {beatCount - 2, beatCount - 1});
            cut.player->setRiff(0);
            QCOMPARE(cut.player->renderRiff(), beatFrames + BeatSelection::beatLead + 10000);
        }
        Fixture f;
        // Steps on the first and the last beat stay inside the track.
        f.build(0, {0, beatCount - 1, 0});
        f.player->setRiff(0);
        const int n = f.player->renderRiff();
        QVERIFY2(n > beatFrames && n < 4 * beatFrames, qPrintable(frames(n)));
        QCOMPARE(Fixture::beatOf(f.player->riffRenderLeft(), 4096, 8192), 0);

        // An empty riff or song renders nothing and plays nothing.
        f.player->setRiff(5);
        QCOMPARE(f.player->renderRiff(), 0);
        QVERIFY(f.player->riffRenderLeft().isEmpty() && f.player->riffRenderRight().isEmpty());
        f.song.clear();
        QCOMPARE(f.player->renderSong(), 0);
        QVERIFY(f.player->songRenderLeft().isEmpty());
        f.song.set(3, 5); // a slot naming the empty riff
        QCOMPARE(f.player->renderSong(), 0);
        QSignalSpy riffUnlatched(f.player.get(), &AudioPlayer::unlatchRiffPlay);
        QSignalSpy songUnlatched(f.player.get(), &AudioPlayer::unlatchSongPlay);
        f.player->playRiff();
        f.player->playSong();
        QVERIFY(!f.player->isPlaying());
        QCOMPARE(riffUnlatched.count(), 1);
        QCOMPARE(songUnlatched.count(), 1);
    }

    void exportBlocksStayInsideTheTrackWithClicksOnTheShiftedBeats()
    {
        Fixture f;
        // Silence, so that only the metronome sounds.
        std::fill(f.left.begin(), f.left.end(), 0.0f);
        std::fill(f.right.begin(), f.right.end(), 0.0f);
        std::vector<float> click(1024, 0.5f);
        f.player->setMetronomeClick(click.data(), click.data(), int(click.size()));
        f.player->setMetroVolume(100);
        f.player->setBeatOffset(99); // 50 beat steps later
        const int shift = 50 * f.metaData.beatStep;
        QVERIFY(shift > 4 * AudioPlayer::blockFrames);
        // Maximum pitch: a block reads more than 8192 frames ahead.
        f.player->setInterp(2.06f);
        f.player->activatePitch(false);
        f.player->stop(false);
        f.player->setPlayPosition(0);
        QVector<float> out;
        int blocks = 0;
        int done = 0;
        while (!done && blocks < 2000) {
            done = f.player->renderExportBlock();
            QVERIFY(f.player->exportBlockLeft().size() <= AudioPlayer::blockFrames);
            if (!done && f.player->exportBlockLeft().size() < AudioPlayer::blockFrames)
                QVERIFY(out.size() + f.player->exportBlockLeft().size() == f.frames - AudioPlayer::blockFrames);
            out += f.player->exportBlockLeft();
            ++blocks;
        }
        QCOMPARE(done, 1);
        QVERIFY(f.player->exportBlockLeft().isEmpty());
        // From the play position to the track's last frame, reads past it being silence.
        QCOMPARE(out.size(), f.frames - AudioPlayer::blockFrames);
        QCOMPARE(f.player->playPosition(), AudioPlayer::blockFrames);
        // Each click starts where its shifted beat sounds, never near the analysed one: the
        // render sounds from a block in, and a beat sounds 2048 frames before its position.
        const int lead = AudioPlayer::blockFrames + 2048;
        QList<int> clicks;
        for (int i = 1; i < out.size(); ++i) {
            if (out[i] > 0.25f && out[i - 1] <= 0.25f)
                clicks << i;
        }
        QVERIFY2(clicks.size() >= beatCount - 4, qPrintable(QString::number(clicks.size())));
        for (int i = 0; i < clicks.size(); ++i) {
            const int b = int(std::lround(double(clicks[i] + lead - firstBeat - shift) / beatFrames));
            const int shifted = firstBeat + b * beatFrames + shift;
            QVERIFY2(std::abs(clicks[i] + lead - shifted) <= 2,
                     qPrintable(QString("click at %1, shifted beat at %2").arg(clicks[i]).arg(shifted)));
        }
    }

    void playbackStepsWithTheirPitchAndRestoresThePitchTool()
    {
        Fixture f;
        f.build(0, {2, 3, 8, 9});
        f.riffs[0]->interpChanged(std::pow(2.0f, 5.0f / 12.0f), 1);
        f.player->setRiff(0);
        const float knob = std::pow(2.0f, 2.0f / 12.0f);
        f.player->setInterp(knob); // the knob at +2 with the pitch tool off
        QSignalSpy steps(f.player.get(), &AudioPlayer::setCurrentBeatStep);
        QSignalSpy pitches(f.player.get(), &AudioPlayer::changeBeatPitch);
        QSignalSpy riffUnlatched(f.player.get(), &AudioPlayer::unlatchRiffPlay);
        f.player->playRiff();
        QVERIFY(f.player->isRiffPlaying());
        // Step 1 plays five semitones up; the knob does not count while its tool is off.
        QTRY_VERIFY_WITH_TIMEOUT(f.player->currentRiffStep() == 1, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(f.player->engine().interpFactor() - std::pow(2.0f, 5.0f / 12.0f)) < 1e-4f, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(steps.count() >= 5, 60000);
        QList<int> seen;
        for (const QList<QVariant> &args : qAsConst(steps))
            seen << args.at(0).toInt();
        QCOMPARE(seen.mid(0, 5), QList<int>({0, 1, 2, 3, 0}));
        bool fiveUp = false;
        for (const QList<QVariant> &args : qAsConst(pitches))
            fiveUp = fiveUp || std::abs(args.at(0).toFloat() - 5.0f) < 1e-3f;
        QVERIFY(fiveUp);
        // Whether the output ran dry depends on the machine's load: bench/player/riffprobe
        // measures it. What was played is asserted: the steps in order, each with its pitch.
        f.player->stop();
        QVERIFY(!f.player->isRiffPlaying());
        QCOMPARE(riffUnlatched.count(), 1);
        QTRY_VERIFY(f.player->engine().isPitchOff());
        QCOMPARE(f.player->engine().storedInterpFactor(), knob);

        // With the pitch tool on, the knob adds to each step.
        f.player->activatePitch(false);
        f.player->playRiff();
        QTRY_VERIFY_WITH_TIMEOUT(f.player->currentRiffStep() == 1, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(f.player->engine().interpFactor() - std::pow(2.0f, 7.0f / 12.0f)) < 1e-4f, 60000);
        // Pressing riff play again stops it; the press's release unlatches the button.
        riffUnlatched.clear();
        f.player->playRiff();
        QVERIFY(!f.player->isPlaying());
        QCOMPARE(riffUnlatched.count(), 0);
        QVERIFY(!f.player->engine().isPitchOff());
        QCOMPARE(f.player->engine().interpFactor(), knob);

        // The pitch tool touched while a step plays adds to the step's own pitch at once.
        const auto semitones = [](float n) { return std::pow(2.0f, n / 12.0f); };
        f.build(1, {12});
        f.riffs[1]->interpChanged(semitones(5), 0);
        f.player->setRiff(1);
        f.player->playRiff();
        f.player->setInterp(semitones(3));
        QVERIFY(std::abs(f.player->engine().interpFactor() - semitones(8)) < 1e-4f);
        f.player->activatePitch(true);
        QVERIFY(std::abs(f.player->engine().interpFactor() - semitones(5)) < 1e-4f);
        f.player->stop();
        QVERIFY(f.player->engine().isPitchOff() && std::abs(f.player->engine().storedInterpFactor() - semitones(3)) < 1e-6f);
    }

    void songPlaybackChangesRiffsAndStopsWhenEmptied()
    {
        Fixture f;
        f.build(1, {4});
        f.build(2, {12});
        f.song.set(2, 1);
        f.song.set(3, 2);
        QSignalSpy riffChanged(f.player.get(), &AudioPlayer::songRiffChanged);
        QSignalSpy songSteps(f.player.get(), &AudioPlayer::setCurrentSongStep);
        f.player->playSong();
        QVERIFY(f.player->isSongPlaying());
        QCOMPARE(f.player->currentSongStep(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(songSteps.count() >= 3, 60000);
        QCOMPARE(songSteps.at(0).at(0).toInt(), 2);
        QCOMPARE(songSteps.at(1).at(0).toInt(), 3);
        QCOMPARE(songSteps.at(2).at(0).toInt(), 2);
        QCOMPARE(riffChanged.at(1).at(0).toInt(), 2);
        // A seek on the overview while the song plays leaves the song where it plays.
        f.player->setPlaybackPos(900, 1000);
        QVERIFY2(f.player->playPosition() < firstBeat + 14 * beatFrames, qPrintable(frames(f.player->playPosition())));
        // Every slot emptied while it plays: playback stops by itself.
        QSignalSpy songUnlatched(f.player.get(), &AudioPlayer::unlatchSongPlay);
        f.song.clear();
        QTRY_VERIFY_WITH_TIMEOUT(!f.player->isPlaying(), 60000);
        QTRY_COMPARE(songUnlatched.count(), 1);
        f.player->stopSongPlayback();
        QVERIFY(!f.player->isPlaying());
    }

    void aPausedSongLeavesTheUsersPitchForStopAndExport()
    {
        Fixture f;
        f.build(0, {6, 7});
        const float fifth = std::pow(2.0f, 7.0f / 12.0f);
        f.riffs[0]->interpChanged(fifth, 0);
        f.riffs[0]->interpChanged(fifth, 1);
        f.song.set(0, 0);
        const float user = std::pow(2.0f, 3.0f / 12.0f);
        f.player->setInterp(user);
        f.player->activatePitch(false);
        // The processed track from beat 20, as the export renders it.
        auto exportFromBeat20 = [&f] {
            QVector<float> out;
            f.player->startExportRender(firstBeat + 20 * beatFrames);
            for (int block = 0; block < 8; ++block) {
                f.player->renderExportBlock();
                out += f.player->exportBlockLeft();
            }
            f.player->endExportRender();
            return out;
        };
        const QVector<float> withUsersPitch = exportFromBeat20();

        QSignalSpy songUnlatched(f.player.get(), &AudioPlayer::unlatchSongPlay);
        f.player->playSong();
        QVERIFY(f.player->isSongPlaying());
        QVERIFY(std::abs(f.player->engine().interpFactor() - user * fifth) < 1e-4f);
        f.player->pause();
        QVERIFY(!f.player->isPlaying());
        QVERIFY(!f.player->isSongPlaying());
        QCOMPARE(songUnlatched.count(), 1);
        QCOMPARE(f.player->engine().interpFactor(), user);
        f.player->stop();
        QCOMPARE(f.player->engine().interpFactor(), user);
        QVERIFY(!f.player->engine().isPitchOff());

        // Song, pause, then the export at once: rendered with the user's pitch.
        f.player->playSong();
        f.player->pause();
        QCOMPARE(exportFromBeat20(), withUsersPitch);
    }

    void beatOffsetMovesTheBeatsAndBack()
    {
        Fixture f;
        const QVector<float> before = f.metaData.beats;
        QSignalSpy relayout(f.player.get(), SIGNAL(updateBeatSelections()));
        QSignalSpy offsets(f.player.get(), SIGNAL(updateBeatSelections(int)));
        f.player->setBeatOffset(50);
        QCOMPARE(f.metaData.beats[3], before[3] + float(f.metaData.beatStep));
        f.player->setBeatOffset(49);
        QCOMPARE(f.metaData.beats, before);
        QCOMPARE(relayout.count(), 2);
        QCOMPARE(offsets.at(0).at(0).toInt(), 50);
        f.player->setBeatOffset(49);
        QCOMPARE(relayout.count(), 2);
        // Far to the left: the first beats wait at the track start, in order.
        f.player->setBeatOffset(0);
        QCOMPARE(f.metaData.beats[0], 0.0f);
        for (int i = 1; i < f.metaData.beats.size(); ++i)
            QVERIFY(f.metaData.beats[i] >= f.metaData.beats[i - 1]);
        // A new analysis of the same track keeps the knob's shift.
        TrackAnalysis again;
        again.tempo = 120.0f;
        for (int b = 0; b < beatCount; ++b) {
            again.beats.push_back(float(firstBeat + beatFrames * b));
            again.chordLabels.push_back("G");
        }
        f.metaData.setFromAnalysis(again);
        QCOMPARE(f.metaData.beats[20], std::max(0.0f, before[20] - 49.0f * f.metaData.beatStep));
        f.metaData.clear();
        f.metaData.setFromAnalysis(again);
        QCOMPARE(f.metaData.beats[20], std::max(0.0f, before[20] - 49.0f * f.metaData.beatStep));
        f.player->setBeatOffset(49);
        QCOMPARE(f.metaData.beats, before);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestRiffPlayback test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_riffplayback.moc"
