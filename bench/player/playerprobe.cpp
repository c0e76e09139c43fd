// playerprobe: plays a generated track through the player with every tool on and reports
// the CPU share of the process, the passes that found the output queue empty (also as a
// share of the blocks pushed), and the time from play to the first pushed block.
// Usage: playerprobe [seconds] [sample rate] [plain]; "plain" leaves every tool off.
#include "audio/audioplayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <sys/resource.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

static double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const int rate = argc > 2 ? std::atoi(argv[2]) : 44100;
    const bool plain = argc > 3 && std::strcmp(argv[3], "plain") == 0;
    const size_t n = size_t(seconds + 5) * size_t(rate);
    std::vector<float> left(n), right(n);
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / rate;
        left[i] = float(0.3 * std::sin(2 * M_PI * 220 * t) + 0.1 * std::sin(2 * M_PI * 1320 * t));
        right[i] = float(0.3 * std::sin(2 * M_PI * 330 * t) + 0.1 * std::sin(2 * M_PI * 990 * t));
    }
    AudioPlayer player;
    player.setAudioData(left.data(), right.data(), 2, int(n), rate);
    if (!plain) {
        player.setHop(0.8f);
        player.activateTempo(false);
        player.setInterp(std::pow(2.0f, 3.0f / 12.0f));
        player.activatePitch(false);
        player.activateSSS(false);
    }

    QElapsedTimer latency;
    latency.start();
    player.play();
    while (player.blocksPushed() == 0 && latency.elapsed() < 2000)
        QThread::usleep(50);
    const double firstBlockMs = latency.nsecsElapsed() / 1e6;

    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    while (wall.elapsed() < seconds * 1000LL) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    const double cpu = cpuSeconds() - cpu0;
    const double elapsed = wall.elapsed() / 1000.0;
    const long long starved = player.starvedPasses();
    const long long blocks = player.blocksPushed();
    std::printf("{\"rate\": %d, \"tools\": %s, \"seconds\": %.1f, \"cpu_share_of_one_core\": %.4f, "
                "\"starved_passes\": %lld, \"blocks\": %lld, \"starved_percent\": %.2f, "
                "\"play_to_first_block_ms\": %.3f, \"driver\": \"%s\"}\n",
                rate, plain ? "false" : "true", elapsed, cpu / elapsed, starved, blocks,
                blocks > 0 ? 100.0 * double(starved) / double(blocks) : 0.0, firstBlockMs,
                audiolayer::outputDriver().c_str());
    player.stop();
    player.shutdown();
    return 0;
}
