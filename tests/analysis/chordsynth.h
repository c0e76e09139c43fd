#ifndef PLECTRONOME_TESTS_CHORDSYNTH_H
#define PLECTRONOME_TESTS_CHORDSYNTH_H

#include <algorithm>
#include <cmath>
#include <vector>

// Test signals for the chord stages: chords of harmonic tones, re-attacked on every beat,
// and single sine tones. Deterministic.
namespace chordsynth {

struct Chord
{
    int root;                   // pitch class from C
    std::vector<int> intervals; // semitones above the root
};

inline Chord major(int root) { return {root, {0, 4, 7}}; }
inline Chord minor(int root) { return {root, {0, 3, 7}}; }
inline Chord seventh(int root) { return {root, {0, 4, 7, 10}}; }

struct Options
{
    int sampleRate = 44100;
    double bpm = 120.0;
    int beatsPerChord = 4;       // one bar of 4/4
    int repeats = 4;             // times the whole progression is played
    int transpose = 0;           // semitones
    double cents = 0.0;          // detuning of every note
    double leadSeconds = 0.5;    // silence before the first beat
    double tailSeconds = 1.0;    // after the last beat
    double level = 0.05;
};

struct Track
{
    std::vector<float> samples;
    std::vector<double> beats; // beat onsets in samples
    std::vector<int> chords;   // per beat: chord index 12 * quality + root (quality 0 major, 1 minor, 4 seven)
    int sampleRate = 0;
    double beatLength = 0.0;   // samples
};

inline double noteFrequency(int midi, double cents)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0 + cents / 1200.0);
}

inline int chordIndexOf(const Chord &c, int transpose)
{
    const int root = ((c.root + transpose) % 12 + 12) % 12;
    int quality = 0;
    if (c.intervals.size() == 4)
        quality = 4;
    else if (c.intervals.size() >= 2 && c.intervals[1] == 3)
        quality = 1;
    return 12 * quality + root;
}

// The progression, one chord per `beatsPerChord` beats: a bass note of the root in the
// second octave and the chord tones in the third, each with six harmonics, attacked on
// every beat and decaying.
inline Track progression(const std::vector<Chord> &chords, const Options &o)
{
    Track t;
    t.sampleRate = o.sampleRate;
    t.beatLength = o.sampleRate * 60.0 / o.bpm;
    const int beatCount = static_cast<int>(chords.size()) * o.beatsPerChord * o.repeats;
    const double lead = o.leadSeconds * o.sampleRate;
    const int total = static_cast<int>(lead + beatCount * t.beatLength + o.tailSeconds * o.sampleRate);
    t.samples.assign(total, 0.0f);
    const int ring = static_cast<int>(t.beatLength + 0.25 * o.sampleRate);
    for (int b = 0; b < beatCount; ++b) {
        const Chord &c = chords[(b / o.beatsPerChord) % chords.size()];
        const int root = ((c.root + o.transpose) % 12 + 12) % 12;
        std::vector<double> freqs{noteFrequency(36 + root, o.cents)};
        for (int iv : c.intervals)
            freqs.push_back(noteFrequency(48 + root + iv, o.cents));
        const double onset = lead + b * t.beatLength;
        t.beats.push_back(onset);
        t.chords.push_back(chordIndexOf(c, o.transpose));
        const int start = static_cast<int>(std::lround(onset));
        for (int n = 0; n < ring && start + n < total; ++n) {
            const double time = static_cast<double>(n) / o.sampleRate;
            const double env = std::min(1.0, time / 0.005) * std::exp(-time / 0.5);
            double v = 0.0;
            for (double f : freqs) {
                double amp = 1.0;
                for (int h = 1; h <= 6; ++h, amp *= 0.6)
                    v += amp * std::sin(2.0 * M_PI * h * f * time);
            }
            t.samples[start + n] += static_cast<float>(o.level * env * v);
        }
    }
    return t;
}

inline std::vector<Chord> popProgression() { return {major(0), major(7), minor(9), major(5)}; }

// A steady sine of `frequency` Hz.
inline std::vector<float> sine(double frequency, int sampleRate, double seconds, float level = 0.5f)
{
    std::vector<float> x(static_cast<size_t>(seconds * sampleRate));
    for (size_t i = 0; i < x.size(); ++i)
        x[i] = level * static_cast<float>(std::sin(2.0 * M_PI * frequency * static_cast<double>(i) / sampleRate));
    return x;
}

} // namespace chordsynth

#endif
