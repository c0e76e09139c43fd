// BeatPixels: where a sample position of the track lies on a band that shows the whole
// track at a given width: samples per pixel = track frames / width, and
// x = floor((sample + offset) / samples per pixel + 0.5). The chord strip and its beat-line
// overlay place labels, handles and beat lines with it.
#pragma once
#include <algorithm>
#include <cmath>

class BeatPixels
{
public:
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

private:
    double m_samplesPerPixel;
    int m_offset;
};
