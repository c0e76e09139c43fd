// Times the engine's offline render side by side with two command-line time stretchers on
// the same 60-second stereo WAV (tempo x1.25, +3 semitones) and prints quality figures
// measured on a 60-second sine: pitch error in cents, length error, level ratio.
//   rtt_render_compare [WORKDIR] [REPEATS]
// Tools that are not installed are skipped.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "real_time_tools/realtimeengine.h"
#include "tests/real_time_tools/signalmeasure.h"
#include "testmusic.h"
#include "wavfile.h"

namespace {

const int kRate = 44100;
const int kSeconds = 60;
const double kTempo = 1.25;
const double kSemitones = 3.0;

WavFile makeSine()
{
    WavFile w;
    w.channels = 2;
    const int n = kRate * kSeconds;
    w.left.resize(n);
    w.right.resize(n);
    for (int i = 0; i < n; ++i)
        w.left[i] = w.right[i] = static_cast<float>(0.5 * std::sin(2.0 * M_PI * 440.0 * i / kRate));
    return w;
}

bool haveProgram(const char *name)
{
    const std::string cmd = std::string("command -v ") + name + " > /dev/null 2>&1";
    return std::system(cmd.c_str()) == 0;
}

double timeCommand(const std::string &cmd, int repeats, bool *ok)
{
    double best = 1e30;
    *ok = true;
    for (int r = 0; r < repeats; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        const int rc = std::system(cmd.c_str());
        const auto t1 = std::chrono::steady_clock::now();
        if (rc != 0)
            *ok = false;
        best = std::min(best, std::chrono::duration<double>(t1 - t0).count());
    }
    return best;
}

struct Tool
{
    std::string name;
    std::string program;
    std::string command; // with %IN% and %OUT%
};

std::string fill(std::string s, const std::string &in, const std::string &out)
{
    s.replace(s.find("%IN%"), 4, in);
    s.replace(s.find("%OUT%"), 5, out);
    return s;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string dir = argc > 1 ? argv[1] : "/tmp/rtt_render_compare";
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    std::system(("mkdir -p '" + dir + "'").c_str());
    const std::string music = dir + "/music.wav", sine = dir + "/sine.wav";
    const WavFile musicWav = makeTestMusic(kSeconds);
    const WavFile sineWav = makeSine();
    musicWav.write(music);
    sineWav.write(sine);

    char ours[512];
    std::snprintf(ours, sizeof ours, "'%s' '%%IN%%' '%%OUT%%' --tempo %.2f --semitones %.0f", RTT_RENDER_PATH, kTempo, kSemitones);
    const std::vector<Tool> tools = {
        {"engine (rtt_render)", "", ours},
        {"rubberband R2", "rubberband", "rubberband -t 0.8 -p 3 '%IN%' '%OUT%' > /dev/null 2>&1"},
        {"soundstretch", "soundstretch", "soundstretch '%IN%' '%OUT%' -tempo=25 -pitch=3 > /dev/null 2>&1"},
    };

    // In-process engine time, without file reading and writing.
    double engineOnly = 1e30;
    for (int r = 0; r < repeats; ++r) {
        RealTimeEngine e;
        e.setAudioData(musicWav.left.data(), musicWav.right.data(), musicWav.frames());
        e.setHop(static_cast<float>(kTempo));
        e.activateTempo(false);
        e.setInterp(static_cast<float>(std::pow(2.0, kSemitones / 12.0)));
        e.activatePitch(false);
        std::vector<float> l(1024), rr(1024);
        const auto t0 = std::chrono::steady_clock::now();
        int blocks = 0;
        while (e.playPosition() < musicWav.frames()) {
            e.processBlock(l.data(), rr.data(), nullptr);
            ++blocks;
        }
        const auto t1 = std::chrono::steady_clock::now();
        engineOnly = std::min(engineOnly, std::chrono::duration<double>(t1 - t0).count());
        if (r == 0)
            std::printf("engine: %d blocks, %.1f us per block in process\n", blocks, 1e6 * std::chrono::duration<double>(t1 - t0).count() / blocks);
    }

    const double expectedLength = static_cast<double>(kRate * kSeconds) / kTempo;
    const double expectedFreq = 440.0 * std::pow(2.0, kSemitones / 12.0);
    const double inLevel = rms(sineWav.left, 0, sineWav.left.size());

    std::printf("\n60 s stereo WAV, tempo x%.2f, %+.0f semitones, best of %d runs\n", kTempo, kSemitones, repeats);
    std::printf("%-22s %9s %9s | %11s %11s %11s\n", "tool", "time s", "x ours", "pitch cents", "length err", "level ratio");
    double oursTime = 0.0;
    for (const Tool &t : tools) {
        if (!t.program.empty() && !haveProgram(t.program.c_str())) {
            std::printf("%-22s not installed\n", t.name.c_str());
            continue;
        }
        bool ok = false;
        const double secs = timeCommand(fill(t.command, music, dir + "/out_music.wav"), repeats, &ok);
        if (oursTime == 0.0)
            oursTime = secs;
        bool ok2 = false;
        timeCommand(fill(t.command, sine, dir + "/out_sine.wav"), 1, &ok2);
        WavFile out;
        if (!ok || !ok2 || !out.read(dir + "/out_sine.wav")) {
            std::printf("%-22s failed\n", t.name.c_str());
            continue;
        }
        const size_t n = out.left.size();
        const size_t from = n / 10, to = n - n / 10;
        const double f = measureFrequency(out.left, from, to);
        const double cents = 1200.0 * std::log2(f / expectedFreq);
        const double lengthErr = 100.0 * (n / expectedLength - 1.0);
        const double level = rms(out.left, from, to) / inLevel;
        std::printf("%-22s %9.3f %9.2f | %11.3f %10.2f%% %11.3f\n", t.name.c_str(), secs, secs / oursTime, cents,
                    lengthErr, level);
    }
    std::printf("\nengine alone (no file I/O): %.3f s\n", engineOnly);
    return 0;
}
