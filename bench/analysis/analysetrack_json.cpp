// Decodes an audio file through the audio layer, analyses its mono mix and prints one JSON
// object: {"tempo": BPM, "beats": [samples...], "chords": [labels...], "seconds": analysis time}.
// Usage: analysetrack_json FILE [--repeat N]   (with N runs, "seconds" is the fastest run)
// The file is decoded straight into its mono mix, chunk by chunk, as the analysis reads it;
// "cpu_seconds" and "decode_cpu_seconds" are the thread's processor times of the analysis
// and of decoding with the mix.
#include "analysis/analysetrack.h"
#include "audio/layer/audiolayer.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <sys/mman.h>
#include <string>
#include <vector>

namespace {

// CPU time of the calling thread: steadier than the clock on a busy machine.
double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

std::string jsonString(const std::string &s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

// Float samples in room that is not cleared first; a large buffer asks for huge pages, so
// that filling it takes a few hundred page faults instead of tens of thousands.
class SampleBuffer
{
public:
    explicit SampleBuffer(std::size_t count)
    {
        const std::size_t huge = std::size_t(2) << 20;
        const std::size_t bytes = (count * sizeof(float) + huge - 1) / huge * huge;
        void *p = nullptr;
        if (posix_memalign(&p, huge, bytes) != 0)
            throw std::bad_alloc();
        madvise(p, bytes, MADV_HUGEPAGE); // a hint; ignored where huge pages are off
        m_data = static_cast<float *>(p);
    }
    ~SampleBuffer() { std::free(m_data); }
    SampleBuffer(const SampleBuffer &) = delete;
    SampleBuffer &operator=(const SampleBuffer &) = delete;
    friend void swap(SampleBuffer &a, SampleBuffer &b) { std::swap(a.m_data, b.m_data); }
    float *get() const { return m_data; }

private:
    float *m_data = nullptr;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [--repeat N]\n", argv[0]);
        return 2;
    }
    int repeat = 1;
    for (int i = 2; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--repeat") == 0)
            repeat = std::max(1, std::atoi(argv[i + 1]));

    const auto decodeStart = std::chrono::steady_clock::now();
    const double decodeCpuStart = threadSeconds();
    const audiolayer::Handle stream = audiolayer::openFile(argv[1]);
    audiolayer::StreamInfo info;
    if (stream == 0 || !audiolayer::streamInfo(stream, &info) || info.channels < 1) {
        std::fprintf(stderr, "cannot decode %s (error %d)\n", argv[1], audiolayer::lastError());
        return 1;
    }
    // The mono mix grows as chunks arrive, into room reserved from the stream's length
    // estimate (a little more, since it is only an estimate; grown if still short). The room
    // is not cleared first: every sample is written once, by the mix.
    const int channels = info.channels;
    const std::int64_t expected = audiolayer::lengthFrames(stream);
    std::size_t capacity = expected > 0 ? std::size_t(expected + expected / 64 + 8192) : std::size_t(1) << 20;
    SampleBuffer mono(capacity);
    std::size_t frames = 0;
    std::vector<float> chunk(16384 * std::size_t(channels));
    for (;;) {
        const int bytes = audiolayer::readFloats(stream, chunk.data(), int(chunk.size() * sizeof(float)));
        if (bytes <= 0)
            break;
        const std::size_t count = std::size_t(bytes) / sizeof(float) / channels;
        if (frames + count > capacity) {
            capacity = std::max(frames + count, capacity + capacity / 2);
            SampleBuffer larger(capacity);
            std::copy(mono.get(), mono.get() + frames, larger.get());
            swap(mono, larger);
        }
        float *out = mono.get() + frames;
        const float *in = chunk.data();
        for (std::size_t i = 0; i < count; ++i) {
            float sum = 0.0f;
            for (int c = 0; c < channels; ++c)
                sum += in[i * channels + c];
            out[i] = sum / static_cast<float>(channels); // the mean of all channels
        }
        frames += count;
    }
    audiolayer::freeStream(stream);
    const double decodeSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - decodeStart).count();
    const double decodeCpu = threadSeconds() - decodeCpuStart;

    TrackAnalysis result;
    double best = 1e300;
    double bestCpu = 1e300;
    for (int r = 0; r < repeat; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        const double c0 = threadSeconds();
        analyseTrack(result, mono.get(), info.sampleRate, int(frames));
        bestCpu = std::min(bestCpu, threadSeconds() - c0);
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double>(t1 - t0).count());
    }

    std::string out = "{\"tempo\": ";
    char num[192];
    std::snprintf(num, sizeof num, "%.4f", result.tempo);
    out += num;
    out += ", \"beats\": [";
    for (std::size_t i = 0; i < result.beats.size(); ++i) {
        std::snprintf(num, sizeof num, "%s%.0f", i ? ", " : "", result.beats[i]);
        out += num;
    }
    out += "], \"chords\": [";
    for (std::size_t i = 0; i < result.chordLabels.size(); ++i)
        out += (i ? ", " : "") + jsonString(result.chordLabels[i]);
    std::snprintf(num, sizeof num, "], \"seconds\": %.6f, \"cpu_seconds\": %.6f, \"decode_cpu_seconds\": %.6f}",
                  best, bestCpu, decodeCpu);
    out += num;
    std::puts(out.c_str());

    const double audioSeconds = double(frames) / info.sampleRate;
    std::fprintf(stderr,
                 "%.1f s of audio at %d Hz, %d channel(s): decoding and mono mix %.3f s (cpu %.3f s), "
                 "analysis %.3f s (cpu %.3f s), %.0f x real time\n",
                 audioSeconds, info.sampleRate, channels, decodeSeconds, decodeCpu, best, bestCpu,
                 audioSeconds / best);
    return 0;
}
