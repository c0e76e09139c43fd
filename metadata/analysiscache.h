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
// at least two finite rising beats inside the track (the last may reach one beat past
// it), at least one chord and a finite tempo.
bool analysisCacheUsable(const AnalysisCacheContents &contents, qint64 trackFrames);

// Reads, deciphers (or, for an old plain file, takes as it is), parses and checks a
// cache file. False when there is none or it is not usable: then analyse afresh.
bool readAnalysisCache(const QString &path, qint64 trackFrames, AnalysisCacheContents &contents);

// Enciphers the plain text and replaces the file atomically. False when nothing was written.
bool writeAnalysisCache(const QString &path, const QByteArray &plainText);
