// BeatPixels: where a sample position of the track lies on a band that shows the whole
// track at a given width: samples per pixel = track frames / width, and
// x = floor((sample + offset) / samples per pixel + 0.5). A beat is heard from 2048 frames
// before its stored position, which is the usual offset. The chord strip, its beat-line
// overlay and the selection overlay place labels, handles, beat lines and selections with
// it; the static helpers turn beats into samples and find the beat nearest a sample.
#pragma once
#include <QVector>

#include <algorithm>
#include <climits>
#include <cmath>

class BeatPixels
{
public:
    static constexpr int beatLead = 2048;

    BeatPixels(int trackFrames, int width, int sampleOffset)
        : m_samplesPerPixel(width > 0 && trackFrames > 0 ? double(float(trackFrames) / float(width)) : 0.0),
          m_offset(sampleOffset)
    {
    }

    bool isValid() const { return m_samplesPerPixel > 0.0; }

    int x(double sample) const
    {
        if (!isValid() || !std::isfinite(sample))
            return 0;
        const double x = std::floor((double(m_offset) + sample) / m_samplesPerPixel + 0.5);
        return int(std::max(-1.0e9, std::min(1.0e9, x)));
    }

    // The same place before rounding, for shapes that start between two pixels.
    double lineX(double sample) const
    {
        if (!isValid() || !std::isfinite(sample))
            return 0.0;
        return (double(m_offset) + sample) / m_samplesPerPixel;
    }

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

    // The frame where the beat is heard from: trunc(beat - 2048), never below 0.
    static int beatSample(float beat) { return std::max(0, toInt(double(beat) - beatLead)); }

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

private:
    double m_samplesPerPixel;
    int m_offset;
};
