// A generated stereo track with a decaying note on every half-second beat, and its
// analysis written to the cache (a beat every 22050 frames, one chord per beat), so that
// opening it reads tempo, beats and chords at once and starts no analysis. Used by the
// session benchmark and the session pictures.
#pragma once
#include "app/datafolder.h"
#include "metadata/analysiscache.h"
#include "tests/pcmwav.h"

#include <QDir>
#include <QStringList>
#include <QVector>

#include <cmath>

inline QString writeBeatTrack(const QString &folder, const QString &name, int seconds, const QStringList &chordNames)
{
    const int frames = 44100 * seconds;
    const double notes[] = {55.0, 65.4, 73.4, 82.4};
    QByteArray pcm;
    pcm.reserve(frames * 4);
    for (int i = 0; i < frames; ++i) {
        const double v = 0.4 * std::sin(2 * M_PI * notes[(i / 22050) % 4] * i / 44100.0) * std::exp(-(i % 22050) / 4000.0);
        for (const double gain : {30000.0, 24000.0}) {
            const qint16 s = qint16(v * gain);
            pcm.append(char(s & 0xff));
            pcm.append(char((s >> 8) & 0xff));
        }
    }
    const QString path = QDir(folder).filePath(name);
    writePcm16Wav(path, pcm, 2);
    QVector<float> beats;
    QVector<QString> chords;
    for (int b = 0; 4096 + 22050 * b < frames; ++b) {
        beats << 4096.0f + 22050.0f * float(b);
        chords << chordNames.value((b / 4) % chordNames.size());
    }
    chords.removeLast();
    writeAnalysisCache(analysisCachePath(dataFolderPath, path),
                       composeAnalysisCacheText(path, beats, chords, chordNames.toVector(), 120.0f));
    return path;
}
