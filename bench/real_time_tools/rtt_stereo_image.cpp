// How well the engine keeps the stereo image of a song through tempo and pitch changes:
//   rtt_stereo_image [IN.wav]
// Without a file a generated 30-second stereo song is used. For each setting it prints the
// coherence of left and right below 1 kHz in the input and in the output, and the log-mel
// distance of the output's mono sum from the mono sum processed as a mono track (what a
// listener summing to mono would hear if no part cancelled).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "real_time_tools/fftreal.h"
#include "real_time_tools/realtimeengine.h"
#include "tests/real_time_tools/signalmeasure.h"
#include "testmusic.h"
#include "wavfile.h"

namespace {

const int kRate = 44100;

struct Setting
{
    const char *name;
    double tempo;
    double semitones;
};

void render(const std::vector<float> &L, const std::vector<float> *R, const Setting &s, std::vector<float> &outL,
            std::vector<float> &outR)
{
    RealTimeEngine e;
    const int frames = static_cast<int>(L.size());
    e.setAudioData(L.data(), R ? R->data() : nullptr, frames);
    if (s.tempo != 1.0) {
        e.setHop(static_cast<float>(s.tempo));
        e.activateTempo(false);
    }
    if (s.semitones != 0.0) {
        e.setInterp(static_cast<float>(std::pow(2.0, s.semitones / 12.0)));
        e.activatePitch(false);
    }
    std::vector<float> l(RealTimeEngine::hopSize), r(RealTimeEngine::hopSize);
    outL.clear();
    outR.clear();
    while (e.playPosition() < frames) {
        e.processBlock(l.data(), r.data(), nullptr);
        outL.insert(outL.end(), l.begin(), l.end());
        outR.insert(outR.end(), r.begin(), r.end());
    }
}

// Mean absolute difference in dB of two signals' 40-band mel spectra, frame by frame
// (2048-point frames, hop 1024), over the frames where the reference is within 60 dB of
// its loudest frame.
double logMelDistance(const std::vector<float> &ref, const std::vector<float> &x)
{
    const int n = 2048, hop = 1024, bands = 40;
    FFTReal fft(n);
    std::vector<float> frame(n), spec(n), window(n);
    for (int i = 0; i < n; ++i)
        window[i] = static_cast<float>(0.5 - 0.5 * std::cos(2.0 * M_PI * i / n));
    auto mel = [](double f) { return 2595.0 * std::log10(1.0 + f / 700.0); };
    const double lo = mel(40.0), hi = mel(16000.0);
    std::vector<double> edges(bands + 2);
    for (int b = 0; b < bands + 2; ++b) {
        const double m = lo + (hi - lo) * b / (bands + 1);
        edges[b] = 700.0 * (std::pow(10.0, m / 2595.0) - 1.0) * n / kRate;
    }
    auto melFrame = [&](const std::vector<float> &y, size_t start, std::vector<double> &out) {
        for (int i = 0; i < n; ++i)
            frame[i] = y[start + i] * window[i];
        fft.forward(spec.data(), frame.data());
        out.assign(bands, 0.0);
        for (int k = 1; k < n / 2; ++k) {
            const double p = static_cast<double>(spec[k]) * spec[k] + static_cast<double>(spec[n / 2 + k]) * spec[n / 2 + k];
            for (int b = 0; b < bands; ++b) {
                const double w = k <= edges[b + 1] ? (k - edges[b]) / (edges[b + 1] - edges[b])
                                                   : (edges[b + 2] - k) / (edges[b + 2] - edges[b + 1]);
                if (w > 0.0)
                    out[b] += w * p;
            }
        }
    };
    const size_t len = std::min(ref.size(), x.size());
    std::vector<std::vector<double>> a, b;
    std::vector<double> energy;
    for (size_t start = 0; start + n <= len; start += hop) {
        a.emplace_back();
        b.emplace_back();
        melFrame(ref, start, a.back());
        melFrame(x, start, b.back());
        double e = 0.0;
        for (double v : a.back())
            e += v;
        energy.push_back(e);
    }
    if (energy.empty())
        return 0.0;
    const double loudest = *std::max_element(energy.begin(), energy.end());
    const double floor = loudest * 1e-8;
    double sum = 0.0;
    long count = 0;
    for (size_t f = 0; f < energy.size(); ++f) {
        if (energy[f] < loudest * 1e-6)
            continue;
        for (int k = 0; k < bands; ++k) {
            sum += std::fabs(10.0 * std::log10((a[f][k] + floor) / (b[f][k] + floor)));
            ++count;
        }
    }
    return count ? sum / count : 0.0;
}

} // namespace

int main(int argc, char **argv)
{
    WavFile in;
    std::string source = "generated song, 30 s";
    if (argc > 1) {
        std::string error;
        if (!in.read(argv[1], &error)) {
            std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
            return 1;
        }
        source = argv[1];
    } else {
        in = makeTestMusic(30);
    }
    if (in.sampleRate != kRate)
        std::fprintf(stderr, "note: %d Hz input is processed as %d Hz\n", in.sampleRate, kRate);
    std::vector<float> mono(in.left.size());
    for (size_t i = 0; i < mono.size(); ++i)
        mono[i] = 0.5f * (in.left[i] + in.right[i]);

    std::printf("%s\n", source.c_str());
    std::printf("input coherence below 1 kHz: %.3f\n", lowBandCoherence(in.left, in.right, 0, in.left.size()));
    std::printf("%-10s %22s %26s\n", "setting", "coherence < 1 kHz out", "mono-sum log-mel dist dB");
    const Setting settings[] = {{"x0.75", 0.75, 0.0}, {"x0.5", 0.5, 0.0}, {"x1.25", 1.25, 0.0},
                                {"+3 st", 1.0, 3.0},  {"-5 st", 1.0, -5.0}};
    for (const Setting &s : settings) {
        std::vector<float> l, r, ml, mr;
        render(in.left, &in.right, s, l, r);
        render(mono, nullptr, s, ml, mr);
        std::vector<float> sum(l.size());
        for (size_t i = 0; i < sum.size(); ++i)
            sum[i] = 0.5f * (l[i] + r[i]);
        std::printf("%-10s %22.3f %26.2f\n", s.name, lowBandCoherence(l, r, 0, l.size()), logMelDistance(ml, sum));
    }
    return 0;
}
