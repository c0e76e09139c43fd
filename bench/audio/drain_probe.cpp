// drain_probe: how fast the push output stream's queue drains once playing, against real
// time, on the driver that SDL_AUDIODRIVER names (dummy by default). Queues a number of
// seconds in the player's 8192-byte pieces, plays, and prints as JSON the bytes taken per
// second over the bytes per second the stream's rate asks for.
// Usage: drain_probe [SECONDS]   (default 2)
#include "audio/layer/audiolayer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

using namespace audiolayer;

int main(int argc, char **argv)
{
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;
    if (!std::getenv("SDL_AUDIODRIVER"))
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    const int rate = 44100;
    if (!initDevice(kDefaultDevice)) {
        std::fprintf(stderr, "no output: %s\n", errorText(lastError()));
        return 1;
    }
    const Handle push = createPushStream(rate);
    const std::vector<float> block(2048, 0.25f);
    for (int i = 0; i < seconds * rate / 1024; ++i)
        putData(push, block.data(), int(block.size() * sizeof(float)));

    using Clock = std::chrono::steady_clock;
    play(push, true);
    // Measured from the first piece taken to the last, so that the start-up of the
    // driver's thread does not count.
    const int full = queuedBytes(push);
    while (queuedBytes(push) == full)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const auto start = Clock::now();
    const int first = queuedBytes(push);
    while (queuedBytes(push) > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const double taken = std::chrono::duration<double>(Clock::now() - start).count();
    const double bytesPerSecond = first / taken;
    std::printf("{\"driver\": \"%s\", \"queued_s\": %d, \"drain_s\": %.3f, \"ratio_to_real_time\": %.3f}\n",
                outputDriver().c_str(), seconds, taken, bytesPerSecond / (rate * 8.0));
    freeStream(push);
    shutdown();
    return 0;
}
