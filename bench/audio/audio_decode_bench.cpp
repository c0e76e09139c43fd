// Decodes a 4-minute stereo MP3 into left and right float arrays (as the file-open code
// does, 20000-byte reads) and runs `ffmpeg -i FILE -f f32le -y /dev/null` on the same file,
// then prints our time over ffmpeg's. The MP3 is made once from a generated signal.
// Usage: audio_decode_bench [--mp3=FILE] [benchmark flags]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "audio/layer/audiolayer.h"

namespace {

std::string g_mp3 = "/tmp/plectronome-bench/song-4min.mp3";

bool exists(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && st.st_size > 0;
}

bool makeMp3()
{
    if (exists(g_mp3))
        return true;
    const std::string dir = g_mp3.substr(0, g_mp3.find_last_of('/'));
    std::system(("mkdir -p '" + dir + "'").c_str());
    // Two chords of drifting, beating partials with a tremolo, plus pink noise: 240 s, 192 kbit/s.
    const std::string cmd =
        "ffmpeg -hide_banner -loglevel error -y "
        "-f lavfi -i \"aevalsrc="
        "0.25*sin(2*PI*220*t)*(0.6+0.4*sin(2*PI*0.5*t))+0.15*sin(2*PI*329.6*t)+0.1*sin(2*PI*(440+2*sin(t))*t)|"
        "0.25*sin(2*PI*277.2*t)*(0.6+0.4*sin(2*PI*0.7*t))+0.15*sin(2*PI*415.3*t)+0.1*sin(2*PI*(554+3*sin(t))*t)"
        ":s=44100:d=240\" "
        "-f lavfi -i \"anoisesrc=color=pink:amplitude=0.08:duration=240:sample_rate=44100\" "
        "-filter_complex \"[0:a][1:a]amix=inputs=2:normalize=0\" -ac 2 "
        "-c:a libmp3lame -b:a 192k '" + g_mp3 + "'";
    return std::system(cmd.c_str()) == 0 && exists(g_mp3);
}

void BM_DecodeWithAudioLayer(benchmark::State &state)
{
    std::int64_t frames = 0;
    for (auto _ : state) {
        const audiolayer::Handle h = audiolayer::openFile(g_mp3);
        if (!h) {
            state.SkipWithError("cannot open the MP3");
            return;
        }
        audiolayer::StreamInfo info;
        audiolayer::streamInfo(h, &info);
        const std::int64_t estimate = audiolayer::lengthFrames(h);
        std::vector<float> left, right;
        left.reserve(std::size_t(estimate > 0 ? estimate + 4096 : 0));
        right.reserve(left.capacity());
        std::vector<float> chunk(5000);
        while (audiolayer::activity(h) != audiolayer::Activity::Stopped) {
            const int bytes = audiolayer::readFloats(h, chunk.data(), 20000);
            if (bytes <= 0)
                break;
            const int n = bytes / int(sizeof(float) * info.channels);
            for (int i = 0; i < n; ++i) {
                left.push_back(chunk[std::size_t(i) * info.channels]);
                right.push_back(chunk[std::size_t(i) * info.channels + info.channels - 1]);
            }
        }
        audiolayer::freeStream(h);
        frames = std::int64_t(left.size());
        benchmark::DoNotOptimize(left.data());
        benchmark::DoNotOptimize(right.data());
    }
    state.counters["frames"] = double(frames);
}

void BM_FfmpegProgram(benchmark::State &state)
{
    const std::string cmd = "ffmpeg -hide_banner -loglevel error -i '" + g_mp3 + "' -f f32le -y /dev/null";
    for (auto _ : state) {
        if (std::system(cmd.c_str()) != 0) {
            state.SkipWithError("ffmpeg failed");
            return;
        }
    }
}

BENCHMARK(BM_DecodeWithAudioLayer)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(BM_FfmpegProgram)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

// Keeps the best repetition of each benchmark for the closing ratio.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> best;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs) {
            if (r.run_type != Run::RT_Iteration || r.error_occurred)
                continue;
            const std::string name = r.run_name.function_name;
            const double t = r.GetAdjustedRealTime();
            if (!best.count(name) || t < best[name])
                best[name] = t;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char **argv)
{
    std::vector<char *> args;
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--mp3=", 0) == 0)
            g_mp3 = a.substr(6);
        else
            args.push_back(argv[i]);
    }
    int n = int(args.size());
    benchmark::Initialize(&n, args.data());
    if (!makeMp3()) {
        std::fprintf(stderr, "could not make %s (is ffmpeg with libmp3lame installed?)\n", g_mp3.c_str());
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ours = reporter.best.find("BM_DecodeWithAudioLayer");
    const auto theirs = reporter.best.find("BM_FfmpegProgram");
    if (ours != reporter.best.end() && theirs != reporter.best.end() && theirs->second > 0)
        std::printf("\nMP3 decode, best run: audio layer %.1f ms, ffmpeg program %.1f ms, ratio %.3f\n",
                    ours->second, theirs->second, ours->second / theirs->second);
    benchmark::Shutdown();
    return 0;
}
