// The analysis cache: one file per analysed audio file in the data folder's "metadata"
// folder, holding tempo, beats and chords as enciphered base64 text. The analysis
// thread writes it; MainWindow reads it when a file is opened again, and the start-up
// scan enciphers old plain files.
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
};

// data folder + "/metadata/" + the audio file's name with its extension replaced by "pqm".
QString analysisCachePath(const QString &dataFolder, const QString &audioPath);

// The plain text of a cache file: five parts separated by "\r".
QByteArray composeAnalysisCacheText(const QString &audioPath, const QVector<float> &beats,
                                    const QVector<QString> &chords, const QVector<QString> &detected, float tempo);

// Splits a plain cache text into its parts. False when a part is missing.
bool parseAnalysisCacheText(const QString &text, AnalysisCacheContents &contents);

// True when the contents describe a usable analysis of a track of trackFrames frames:
// at least two finite, strictly rising beats inside the track (the closing beat may lie
// up to one beat step past its end, and its step is that of the beat before), at least
// one chord and no more chords than beats, and a tempo between the limits above.
bool analysisCacheUsable(const AnalysisCacheContents &contents, qint64 trackFrames);

// True when the cache was written for the file at audioPath (the same path, or the
// same file through another path). Caches are named after the audio file's name only,
// so another recording of the same name must not lend its analysis.
bool analysisCacheDescribes(const AnalysisCacheContents &contents, const QString &audioPath);

// Reads, deciphers (or, for an old plain file, takes as it is), parses and checks a
// cache file for the audio file at audioPath. False when there is none, it is too large,
// older than the audio file, not usable, or another file's: then analyse afresh (which
// replaces it).
bool readAnalysisCache(const QString &path, const QString &audioPath, qint64 trackFrames,
                       AnalysisCacheContents &contents);
// The same for the bytes of a cache file already read.
bool readAnalysisCacheBytes(const QByteArray &fileBytes, const QString &audioPath, qint64 trackFrames,
                            AnalysisCacheContents &contents);

// Enciphers the plain text and replaces the file atomically. False when nothing was written.
bool writeAnalysisCache(const QString &path, const QByteArray &plainText);
