// BeatPixels: where the analysis's beats lie on the waveform. A beat is heard from 2048
// frames before its stored position, so every view that turns a beat into a sample or a
// pixel subtracts that lead here: the selection overlay, the riff beat selections and the
// chord strip place beats through these helpers. Values from outside (beats of a session,
// sizes of zero) never give a division by zero or an out-of-range integer.
#pragma once
#include <QVector>

#include <climits>
#include <cmath>

struct BeatPixels
{
    static constexpr int beatLead = 2048;

    // trunc(v) held inside the int range; NaN gives 0.
    static int toInt(double v)
    {
        if (!(v == v))
            return 0;
        if (v >= double(INT_MAX))
            return INT_MAX;
        if (v <= double(INT_MIN))
            return INT_MIN;
        return int(v);
    }

    // The frame where the beat starts: trunc(beat - 2048), never below 0.
    static int beatSample(float beat)
    {
        const int s = toInt(double(beat) - beatLead);
        return s < 0 ? 0 : s;
    }

    // Samples per pixel of a view `width` pixels wide that shows `frames` frames.
    static double samplesPerPixel(int frames, int width)
    {
        return width > 0 ? double(frames) / double(width) : 0.0;
    }

    // The beat's line on such a view, in (fractional) pixels: (beat - 2048) / samples per pixel.
    static double beatLineX(float beat, int frames, int width)
    {
        if (frames <= 0 || width <= 0)
            return 0.0;
        return (double(beat) - beatLead) * double(width) / double(frames);
    }

    // The same line in whole pixels: floor(x + 0.5).
    static int beatPixel(float beat, int frames, int width)
    {
        return toInt(std::floor(beatLineX(beat, frames, width) + 0.5));
    }

    // The index of the beat nearest to a sample, |trunc(sample - beat)| smallest, the first
    // on ties; -1 when the list holds no usable beat.
    static int nearestBeat(const QVector<float> &beats, int sample)
    {
        int best = -1;
        double bestDistance = 0.0;
        for (int i = 0; i < beats.size(); ++i) {
            const double d = std::fabs(std::trunc(double(sample) - double(beats[i])));
            if (!(d == d))
                continue;
            if (best < 0 || d < bestDistance) {
                best = i;
                bestDistance = d;
            }
        }
        return best;
    }
};
