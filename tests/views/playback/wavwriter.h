// Writes a 16-bit stereo WAV file at 44100 Hz from two float channels (-1..1), for tests
// that open a real file in the main window.
#pragma once
#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/pcmwav.h"

inline bool writeStereoWav(const QString &path, const std::vector<float> &left, const std::vector<float> &right)
{
    const size_t frames = std::min(left.size(), right.size());
    QByteArray data(int(frames * 4), Qt::Uninitialized);
    char *out = data.data();
    auto toPcm = [](float v) { return qint16(std::lround(std::max(-1.0f, std::min(1.0f, v)) * 32000.0f)); };
    for (size_t i = 0; i < frames; ++i) {
        qToLittleEndian(toPcm(left[i]), out);
        qToLittleEndian(toPcm(right[i]), out + 2);
        out += 4;
    }
    return writePcm16Wav(path, data, 2);
}
