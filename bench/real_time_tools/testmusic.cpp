#include "testmusic.h"

#include <cmath>
#include <random>

namespace {
const int kRate = 44100;
}

// Plucked, panned notes with harmonics, a bass line and noise hits on the beat.
WavFile makeTestMusic(int seconds)
{
    WavFile w;
    w.channels = 2;
    const int n = kRate * seconds;
    w.left.assign(n, 0.0f);
    w.right.assign(n, 0.0f);
    std::mt19937 gen(11);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const double scale[] = {0, 2, 3, 5, 7, 8, 10, 12};
    const int noteLen = kRate / 4;
    for (int start = 0; start + noteLen < n; start += noteLen) {
        for (int voice = 0; voice < 3; ++voice) {
            const double f = 196.0 * std::pow(2.0, scale[static_cast<int>(u(gen) * 8)] / 12.0 + voice);
            const double pan = u(gen);
            const int len = noteLen * (1 + voice);
            for (int i = 0; i < len && start + i < n; ++i) {
                const double env = std::exp(-4.0 * i / len);
                double v = 0.0;
                for (int h = 1; h <= 5; ++h)
                    v += std::sin(2.0 * M_PI * f * h * i / kRate) / (h * h);
                v *= 0.12 * env;
                w.left[start + i] += static_cast<float>(v * (1.0 - pan));
                w.right[start + i] += static_cast<float>(v * pan);
            }
        }
        const double bass = 55.0 * std::pow(2.0, scale[(start / noteLen) % 4] / 12.0);
        for (int i = 0; i < noteLen; ++i) {
            const float v = static_cast<float>(0.15 * std::sin(2.0 * M_PI * bass * i / kRate) * std::exp(-2.0 * i / noteLen));
            w.left[start + i] += v;
            w.right[start + i] += v;
        }
        if ((start / noteLen) % 2 == 0) {
            std::normal_distribution<double> noise(0.0, 0.2);
            for (int i = 0; i < 2000; ++i) {
                const float v = static_cast<float>(noise(gen) * std::exp(-i / 300.0));
                w.left[start + i] += v;
                w.right[start + i] += v;
            }
        }
    }
    return w;
}
