// metronomeprobe: what the metronome sounds like through the output. Plays 30 s of a
// 120 BPM track (beats set every 22050 frames) with the metronome on, captured by SDL's
// disk driver, at tempo 1.0 and 0.75 in every tempo mode (and with the tempo tool off),
// and reports the click onset intervals against the beat intervals at that tempo, in ms.
// The track is silent on the right and carries a click on every beat on the left, so the
// capture also tells how far each metronome click lies from the track's own click (in mode
// 4, which sums both channels, the track is silent).
//
// Usage: metronomeprobe [seconds]   (runs one child process per setting)
//        metronomeprobe --one <tempo> <mode 0..4, 0 = tempo tool off> <seconds> <capture file>
#include "audio/audioplayer.h"
#include "metadata/metadata.h"
#include "bench/player/probeclicks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kBeat = 22050;      // 120 BPM
constexpr int kFirstOnset = 11025; // the track's first click
constexpr int kBeatLead = 2048;   // a beat sounds this many frames before its position



int runOne(float tempo, int mode, int seconds, const QString &capture)
{
    const int frames = int(double(seconds) * tempo * kRate) + 20 * kRate;
    std::vector<float> left(size_t(frames), 0.0f), right(size_t(frames), 0.0f);
    const std::vector<float> click = probeclicks::clickShape(kRate);
    QStringList beats, chords;
    for (int onset = kFirstOnset; onset + kBeat < frames; onset += kBeat) {
        // Mode 4 sums both channels: there the track stays silent.
        if (mode != 4)
            std::copy(click.begin(), click.end(), left.begin() + onset);
        beats << QString::number(onset + kBeatLead);
        chords << "C";
    }
    beats << QString::number(kFirstOnset + kBeatLead + kBeat * beats.size());

    MetaData meta;
    meta.loadFromSession(beats, chords, {"C"}, "120", "probe");
    AudioPlayer player;
    player.initMetaData(&meta);
    player.setAudioData(left.data(), right.data(), 2, frames, kRate);
    player.setMetronomeClick(click.data(), click.data(), int(click.size()));
    player.setMetroVolume(100);
    if (mode > 0) {
        player.setHop(tempo);
        player.activateTempo(false);
        player.changeMode(mode);
    }
    player.play();
    const qint64 wanted = qint64(seconds + 1) * kRate * 2 * qint64(sizeof(float));
    QElapsedTimer clock;
    clock.start();
    while (QFile(capture).size() < wanted && player.isPlaying() && clock.elapsed() < seconds * 4000LL)
        QThread::msleep(20);
    const qint64 starved = player.starvedPasses();
    player.stop();
    player.shutdown();

    QFile f(capture);
    if (!f.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray bytes = f.readAll();
    const float *got = reinterpret_cast<const float *>(bytes.constData());
    const size_t n = size_t(bytes.size()) / (2 * sizeof(float));
    std::vector<float> l(n), r(n), track(n);
    for (size_t i = 0; i < n; ++i) {
        l[i] = got[2 * i];
        r[i] = got[2 * i + 1];
        track[i] = l[i] - r[i];
    }
    // The right channel holds the metronome alone.
    const std::vector<double> metro = probeclicks::onsets(r, 0.02f);
    const double advance = mode > 0 ? std::floor(1024.0 * tempo) : 1024.0;
    const double expected = kBeat * 1024.0 / advance / kRate * 1000.0;
    double worst = 0.0, worstAfterFirst = 0.0, first = 0.0;
    for (size_t i = 1; i < metro.size(); ++i) {
        const double ms = (metro[i] - metro[i - 1]) / kRate * 1000.0;
        const double d = ms - expected;
        if (i == 1)
            first = d;
        else if (std::abs(d) > std::abs(worstAfterFirst))
            worstAfterFirst = d;
        if (std::abs(d) > std::abs(worst))
            worst = d;
    }
    // Metronome against the track's own click.
    double offMin = 0.0, offMax = 0.0;
    int matched = 0;
    if (mode != 4) {
        const std::vector<double> own = probeclicks::onsets(track, 0.02f);
        for (double m : metro) {
            for (double o : own) {
                if (std::abs(o - m) < 4096) {
                    const double ms = (m - o) / kRate * 1000.0;
                    offMin = matched ? std::min(offMin, ms) : ms;
                    offMax = matched ? std::max(offMax, ms) : ms;
                    ++matched;
                }
            }
        }
    }
    std::printf("{\"tempo\": %.2f, \"mode\": \"%s\", \"clicks\": %d, \"beat_interval_ms\": %.3f, "
                "\"worst_interval_error_ms\": %.3f, \"first_interval_error_ms\": %.3f, "
                "\"worst_after_first_ms\": %.3f, \"click_minus_track_click_ms\": [%.2f, %.2f], \"matched\": %d, "
                "\"starved_passes\": %lld}\n",
                tempo, mode > 0 ? qPrintable(QString::number(mode)) : "tempo off", int(metro.size()), expected, worst,
                first, worstAfterFirst, offMin, offMax, matched, static_cast<long long>(starved));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 6 && QString(argv[1]) == "--one") {
        QCoreApplication app(argc, argv);
        return runOne(float(std::atof(argv[2])), std::atoi(argv[3]), std::atoi(argv[4]), QString(argv[5]));
    }
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
    struct Setting { float tempo; int mode; };
    const Setting settings[] = {{1.0f, 0}, {1.0f, 1}, {1.0f, 2}, {1.0f, 3}, {1.0f, 4},
                                {0.75f, 1}, {0.75f, 2}, {0.75f, 3}, {0.75f, 4}};
    int failures = 0;
    for (const Setting &s : settings) {
        const QString capture = QString("/tmp/metronomeprobe-%1.raw").arg(QCoreApplication::applicationPid());
        failures += !probeclicks::runCaptured(
            {"--one", QString::number(s.tempo), QString::number(s.mode), QString::number(seconds), capture}, capture, 60);
    }
    return failures ? 1 : 0;
}
