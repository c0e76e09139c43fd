// riffprobe: the riff figures of the player, with every tool on (tempo 0.8, pitch +3
// semitones, isolate) and a generated 120 BPM track:
//  - a 16-step riff (four runs of four beats, so it jumps three times a pass, every third
//    step a fifth up) rendered offline, as the riff export does: seconds of audio out per
//    second of work, as a multiple of real time (best of five);
//  - the same riff played on the output device for some seconds (SDL's dummy driver in CI):
//    the passes that found the output queue empty.
// Usage: riffprobe [seconds of playback]
#include "audio/audioplayer.h"
#include "audio/riffsource.h"
#include "audio/songslots.h"
#include "analysis/trackanalysis.h"
#include "metadata/metadata.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Sixteen steps in four runs of four beats, every third step a fifth up.
class ProbeRiff : public RiffSource
{
public:
    int stepBeat(int step) const override
    {
        static const int beats[stepCount] = {8, 9, 10, 11, 20, 21, 22, 23, 12, 13, 14, 15, 30, 31, 32, 33};
        return step >= 0 && step < stepCount ? beats[step] : -1;
    }
    int lastBeatIndex() const override { return stepCount - 1; }
    float stepPitch(int step) const override { return step % 3 == 0 ? std::pow(2.0f, 7.0f / 12.0f) : 1.0f; }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const int rate = 44100;
    const int beatFrames = rate / 2;
    const size_t n = size_t(60) * rate;
    std::vector<float> left(n), right(n);
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / rate;
        const double beat = std::exp(-double(i % size_t(beatFrames)) / 3000.0);
        left[i] = float(0.3 * std::sin(2 * M_PI * 220 * t) + 0.4 * beat * std::sin(2 * M_PI * 70 * t));
        right[i] = float(0.3 * std::sin(2 * M_PI * 330 * t) + 0.4 * beat * std::sin(2 * M_PI * 70 * t));
    }
    MetaData metaData;
    TrackAnalysis analysis;
    analysis.tempo = 120.0f;
    for (int b = 0; b < 110; ++b) {
        analysis.beats.push_back(float(4096 + beatFrames * b));
        analysis.chordLabels.push_back("A");
    }
    metaData.setFromAnalysis(analysis);

    AudioPlayer player;
    ProbeRiff riff;
    SongSlots song;
    player.initMetaData(&metaData);
    player.setAudioData(left.data(), right.data(), 2, int(n), rate);
    for (int r = 0; r < 6; ++r)
        player.appendRiff(&riff);
    player.setSong(&song);
    player.setRiff(0);
    player.setHop(0.8f);
    player.activateTempo(false);
    player.setInterp(std::pow(2.0f, 3.0f / 12.0f));
    player.activatePitch(false);
    player.activateSSS(false);

    double best = 1e9;
    int frames = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        frames = player.renderRiff();
        best = std::min(best, clock.nsecsElapsed() / 1e9);
    }
    const double renderSpeed = (double(frames) / rate) / best;

    player.playRiff();
    QElapsedTimer wall;
    wall.start();
    while (wall.elapsed() < seconds * 1000LL) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    const bool stillPlaying = player.isRiffPlaying();
    player.stop();
    player.shutdown();
    std::printf("{\"render_frames\": %d, \"render_seconds\": %.4f, \"render_x_real_time\": %.1f, "
                "\"playback_seconds\": %d, \"starved_passes\": %lld, \"blocks\": %lld, \"riff_still_playing\": %s, "
                "\"driver\": \"%s\"}\n",
                frames, best, renderSpeed, seconds, static_cast<long long>(player.starvedPasses()),
                static_cast<long long>(player.blocksPushed()), stillPlaying ? "true" : "false",
                audiolayer::outputDriver().c_str());
    return 0;
}
