#ifndef PLECTRONOME_TESTS_CLICKTRACK_H
#define PLECTRONOME_TESTS_CLICKTRACK_H

#include <cmath>
#include <cstdint>
#include <vector>

// Test signals for the analysis: click tracks (a short decaying noise burst over a low
// thump), silence and white noise, all deterministic.
namespace testsignal {

// Small deterministic generator (xorshift) giving floats in [-1, 1).
class Noise
{
public:
    explicit Noise(std::uint32_t seed = 0x9e3779b9u) : m_state(seed ? seed : 1u) {}
    float next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return static_cast<float>(m_state) / 2147483648.0f - 1.0f;
    }

private:
    std::uint32_t m_state;
};

struct ClickTrack
{
    std::vector<float> samples;
    std::vector<double> clicks; // click onsets in samples
    int sampleRate = 0;
};

struct ClickOptions
{
    double bpm = 120.0;
    int sampleRate = 44100;
    double seconds = 30.0;
    double leadingSilence = 0.0;   // seconds before the first click
    int beatsPerBar = 0;           // > 0: the first beat of each bar is louder
    double accent = 2.5;           // level of the first beat of a bar relative to the others
    float noiseLevel = 0.0f;       // background noise level
    std::uint32_t seed = 1234;
};

// One click: a 15 ms noise burst decaying fast, plus a 70 Hz thump decaying over ~60 ms.
inline void addClick(std::vector<float> &out, double at, int rate, float level, Noise &noise)
{
    const int start = static_cast<int>(std::lround(at));
    const int length = rate / 5;
    const double burstDecay = 0.004 * rate;
    const double thumpDecay = 0.025 * rate;
    for (int i = 0; i < length && start + i < static_cast<int>(out.size()); ++i) {
        if (start + i < 0)
            continue;
        const double t = static_cast<double>(i) / rate;
        const double burst = noise.next() * std::exp(-i / burstDecay);
        const double thump = std::sin(2.0 * 3.141592653589793 * 70.0 * t) * std::exp(-i / thumpDecay);
        out[start + i] += static_cast<float>(level * (0.5 * burst + 0.5 * thump));
    }
}

inline ClickTrack makeClickTrack(const ClickOptions &o)
{
    ClickTrack track;
    track.sampleRate = o.sampleRate;
    const std::size_t total = static_cast<std::size_t>(o.seconds * o.sampleRate);
    track.samples.assign(total, 0.0f);
    Noise noise(o.seed);
    if (o.noiseLevel > 0.0f)
        for (float &s : track.samples)
            s = o.noiseLevel * noise.next();
    const double step = 60.0 * o.sampleRate / o.bpm;
    int beat = 0;
    for (double at = o.leadingSilence * o.sampleRate; at + o.sampleRate / 5 < total; at += step, ++beat) {
        float level = 0.3f;
        if (o.beatsPerBar > 0 && beat % o.beatsPerBar == 0)
            level = static_cast<float>(0.3 * o.accent);
        addClick(track.samples, at, o.sampleRate, level, noise);
        track.clicks.push_back(at);
    }
    return track;
}

inline std::vector<float> whiteNoise(std::size_t count, float level, std::uint32_t seed = 99)
{
    Noise noise(seed);
    std::vector<float> out(count);
    for (float &s : out)
        s = level * noise.next();
    return out;
}

} // namespace testsignal

#endif
