// Writes test tracks as 16-bit PCM WAV files at 44100 Hz.
#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

// interleaved: the little-endian 16-bit samples, channel after channel for each frame.
inline bool writePcm16Wav(const QString &path, const QByteArray &interleaved, int channels)
{
    QByteArray file("RIFF");
    char word[4];
    auto put32 = [&](quint32 v) { qToLittleEndian(v, word); file.append(word, 4); };
    auto put16 = [&](quint16 v) { qToLittleEndian(v, word); file.append(word, 2); };
    put32(quint32(36 + interleaved.size()));
    file += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(quint16(channels));
    put32(44100);
    put32(quint32(44100 * channels * 2));
    put16(quint16(channels * 2));
    put16(16);
    file += "data";
    put32(quint32(interleaved.size()));
    file += interleaved;
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(file) == file.size();
}
