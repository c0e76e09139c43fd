// What the player pushed, out of a capture of SDL's disk driver: a busy machine may let
// the output run dry, and the driver then writes exact silence that nobody played. Runs of
// at least `minGap` frames of exact silence on both channels are left out; the captures
// these helpers read hold tones, never such runs of their own.
#pragma once

#include <QByteArray>

#include <vector>

inline std::vector<float> playedFrames(const QByteArray &capture, int minGap = 16)
{
    const float *got = reinterpret_cast<const float *>(capture.constData());
    const int frames = capture.size() / int(2 * sizeof(float));
    std::vector<float> played;
    played.reserve(size_t(frames) * 2);
    for (int i = 0; i < frames;) {
        int run = 0;
        while (i + run < frames && got[2 * (i + run)] == 0.0f && got[2 * (i + run) + 1] == 0.0f)
            ++run;
        if (run >= minGap) {
            i += run;
            continue;
        }
        for (const int end = i + (run > 0 ? run : 1); i < end; ++i) {
            played.push_back(got[2 * i]);
            played.push_back(got[2 * i + 1]);
        }
    }
    return played;
}
