// The analysis cache: one file per analysed audio file in the data folder's "metadata"
// folder, holding tempo, beats and chords as enciphered base64 text. The analysis
// thread writes it; MainWindow reads it when a file is opened again, and the start-up
// scan enciphers old plain files. A cache names its recording by the audio file's path
// and, since the recording mark came in, by what the file itself holds.
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

// The one key of every cache file. Never change it: existing caches would stop reading.
constexpr quint64 analysisCacheKey = 0x6b3f91d24ae7c058ULL;

// Limits of what a cache file may hold. A real cache, even of a three-hour track, stays
// far below them; anything larger is damaged or hostile and is never read into memory.
constexpr qint64 maximumCacheFileBytes = 4 * 1024 * 1024;
constexpr int maximumCacheTextBytes = 16 * 1024 * 1024;
// Tempi a cache may hold: the analysis never gives anything outside them.
constexpr double minimumCacheTempo = 20.0;
constexpr double maximumCacheTempo = 500.0;

struct AnalysisCacheContents {
    QString fileName;
    QStringList beats;
    QStringList chords;
    QStringList detected;
    QString tempo;
    // The recording mark of the file analysed; empty in caches written before it came in.
    QString recording;
};

// What tells one recording from another saved under the same name: the audio file's size
// and a fingerprint of its bytes at spots spread over the whole file (a few hundred kB
// read, whatever its length). Empty when the file cannot be read.
QString recordingMark(const QString &audioPath);

// data folder + "/metadata/" + the audio file's name with its extension replaced by "pqm".
QString analysisCachePath(const QString &dataFolder, const QString &audioPath);

// The plain text of a cache file: five parts separated by "\r", and a sixth with the
// recording mark when there is one.
QByteArray composeAnalysisCacheText(const QString &audioPath, const QVector<float> &beats,
                                    const QVector<QString> &chords, const QVector<QString> &detected, float tempo,
                                    const QString &recording = QString());

// Splits a plain cache text into its parts. False when a part is missing.
bool parseAnalysisCacheText(const QString &text, AnalysisCacheContents &contents);

// True when the contents describe a usable analysis of a track of trackFrames frames:
// at least two finite, strictly rising beats inside the track (the closing beat may lie
// up to one beat step past its end, and its step is that of the beat before), at least
// one chord and no more chords than beats, and a tempo between the limits above.
bool analysisCacheUsable(const AnalysisCacheContents &contents, qint64 trackFrames);

// True when the cache was written for the file at audioPath (the same path, or the
// same file through another path) and, when it carries a recording mark, that file still
// holds the recording analysed. Caches are named after the audio file's name only, and a
// file may be replaced keeping its old time (cp -p, rsync -a, unzip): another recording
// of the same name must not lend its analysis.
bool analysisCacheDescribes(const AnalysisCacheContents &contents, const QString &audioPath);

// Reads, deciphers (or, for an old plain file, takes as it is), parses and checks a
// cache file for the audio file at audioPath. False when there is none, it is too large,
// older than the audio file, not usable, or another file's or recording's: then analyse
// afresh (which replaces it).
bool readAnalysisCache(const QString &path, const QString &audioPath, qint64 trackFrames,
                       AnalysisCacheContents &contents);
// The same for the bytes of a cache file already read.
bool readAnalysisCacheBytes(const QByteArray &fileBytes, const QString &audioPath, qint64 trackFrames,
                            AnalysisCacheContents &contents);

// Enciphers the plain text and replaces the file atomically. False when nothing was written.
bool writeAnalysisCache(const QString &path, const QByteArray &plainText);
