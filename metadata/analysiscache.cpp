#include "metadata/analysiscache.h"

#include "metadata/cipher.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cmath>

namespace {

const char *const kSectionNames[5] = {"fileName: ", "beats: ", "chordVec1: ", "chordVecDetected1: ", "tempo: "};
const char *const kRecordingName = "recording: ";

// The recording mark reads this many spots of this size; smaller files are read whole.
constexpr int kMarkSpots = 128;
constexpr qint64 kMarkSpotBytes = 4096;

// Six significant digits would move beats by up to 50 frames past ten million frames
// (about four minutes); ten keep every frame. Readers take either form.
QString beatText(float value)
{
    return QString::number(value, 'g', 10);
}

QString tempoText(float value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

QString analysisCachePath(const QString &dataFolder, const QString &audioPath)
{
    QString name = QFileInfo(audioPath).fileName();
    const int dot = name.lastIndexOf('.');
    if (dot >= 0)
        name = name.left(dot + 1) + "pqm";
    else
        name += ".pqm";
    return dataFolder + "/metadata/" + name;
}

QString recordingMark(const QString &audioPath)
{
    // Only a plain file: a FIFO or a device would block or never end.
    const QFileInfo info(audioPath);
    QFile file(audioPath);
    if (audioPath.isEmpty() || !info.isFile() || !file.open(QIODevice::ReadOnly))
        return QString();
    const qint64 size = file.size();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (size <= kMarkSpots * kMarkSpotBytes) {
        const QByteArray all = file.read(size);
        if (all.size() != size)
            return QString();
        hash.addData(all);
    } else {
        // The first and the last spot hold the headers and the tags; the others lie
        // evenly between.
        for (int i = 0; i < kMarkSpots; ++i) {
            const qint64 at = (size - kMarkSpotBytes) * i / (kMarkSpots - 1);
            if (!file.seek(at))
                return QString();
            const QByteArray spot = file.read(kMarkSpotBytes);
            if (spot.size() != kMarkSpotBytes)
                return QString();
            hash.addData(spot);
        }
    }
    return QString::number(size) + ' ' + QString::fromLatin1(hash.result().left(8).toHex());
}

QByteArray composeAnalysisCacheText(const QString &audioPath, const QVector<float> &beats,
                                    const QVector<QString> &chords, const QVector<QString> &detected, float tempo,
                                    const QString &recording)
{
    QString text = "fileName: " + audioPath + "\r";
    text += "beats: ";
    for (float beat : beats)
        text += beatText(beat) + " ";
    text += "\r";
    text += QString("chordVec") + "1" + ": ";
    for (const QString &chord : chords) {
        if (chord != " ")
            text += chord + " ";
    }
    text += "\r";
    text += QString("chordVecDetected") + "1" + ": ";
    for (const QString &chord : detected) {
        if (chord != " " && chord != "-")
            text += chord + " ";
    }
    text += "\r";
    text += "tempo: " + tempoText(tempo);
    // Readers before the mark came in take a file of six parts for a damaged one and
    // analyse afresh: their own five-part file then stands in its place.
    if (!recording.isEmpty())
        text += "\r" + QLatin1String(kRecordingName) + recording;
    return text.toUtf8();
}

bool parseAnalysisCacheText(const QString &text, AnalysisCacheContents &contents)
{
    const QStringList parts = text.split('\r');
    if (parts.size() != 5 && !(parts.size() == 6 && parts[5].startsWith(QLatin1String(kRecordingName))))
        return false;
    for (int i = 0; i < 5; ++i) {
        if (!parts[i].startsWith(QLatin1String(kSectionNames[i])))
            return false;
    }
    auto tokens = [&](int i) {
        return parts[i].mid(int(qstrlen(kSectionNames[i]))).split(' ', Qt::SkipEmptyParts);
    };
    contents.fileName = parts[0].mid(int(qstrlen(kSectionNames[0])));
    contents.beats = tokens(1);
    contents.chords = tokens(2);
    contents.detected = tokens(3);
    contents.tempo = parts[4].mid(int(qstrlen(kSectionNames[4]))).trimmed();
    contents.recording = parts.size() == 6 ? parts[5].mid(int(qstrlen(kRecordingName))).trimmed() : QString();
    return true;
}

bool analysisCacheUsable(const AnalysisCacheContents &contents, qint64 trackFrames)
{
    // The writer keeps one more beat than chords; more chords than beats is not ours.
    const int count = contents.beats.size();
    if (count < 2 || contents.chords.isEmpty() || contents.chords.size() > count || trackFrames <= 0)
        return false;
    bool ok = false;
    const double tempo = contents.tempo.toDouble(&ok);
    if (!ok || !(tempo >= minimumCacheTempo && tempo <= maximumCacheTempo))
        return false;
    QVector<double> beats(count);
    for (int i = 0; i < count; ++i) {
        beats[i] = contents.beats[i].toDouble(&ok);
        if (!ok || !std::isfinite(beats[i]) || beats[i] < 0 || (i > 0 && beats[i] <= beats[i - 1]))
            return false;
    }
    // Every beat but the closing one lies inside the track.
    if (beats[count - 2] > double(trackFrames))
        return false;
    if (count == 2)
        return beats[1] <= double(trackFrames);
    // The closing beat continues the last step (whole frames, so one frame either way)
    // and so lies at most one step past the end.
    const double step = beats[count - 2] - beats[count - 3];
    const double lastStep = beats[count - 1] - beats[count - 2];
    return lastStep <= step + 1.0 && beats[count - 1] <= double(trackFrames) + step + 1.0;
}

bool analysisCacheDescribes(const AnalysisCacheContents &contents, const QString &audioPath)
{
    if (contents.fileName.isEmpty() || audioPath.isEmpty())
        return false;
    if (contents.fileName != audioPath) {
        const QString stored = QFileInfo(contents.fileName).canonicalFilePath();
        if (stored.isEmpty() || stored != QFileInfo(audioPath).canonicalFilePath())
            return false;
    }
    // A cache without the mark is judged by the path and the times alone, as before.
    return contents.recording.isEmpty() || contents.recording == recordingMark(audioPath);
}

bool readAnalysisCache(const QString &path, const QString &audioPath, qint64 trackFrames,
                       AnalysisCacheContents &contents)
{
    // Only a plain file of a sane size: a FIFO would block, a huge file would be read whole.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maximumCacheFileBytes)
        return false;
    // A cache older than its audio file describes what stood there before (a new take
    // saved under the same name): the file is analysed again, which replaces the cache.
    const QFileInfo audio(audioPath);
    if (audio.exists() && info.lastModified() < audio.lastModified())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return readAnalysisCacheBytes(file.read(maximumCacheFileBytes + 1), audioPath, trackFrames, contents);
}

bool readAnalysisCacheBytes(const QByteArray &fileBytes, const QString &audioPath, qint64 trackFrames,
                            AnalysisCacheContents &contents)
{
    const QByteArray raw = fileBytes.trimmed();
    if (raw.isEmpty() || raw.size() > maximumCacheFileBytes)
        return false;

    Cipher cipher(analysisCacheKey);
    cipher.setMaximumPlainSize(maximumCacheTextBytes);
    QString text = cipher.decryptText(QString::fromUtf8(raw));
    if (cipher.lastError() != Cipher::ErrorNone)
        text = QString::fromUtf8(raw); // an old plain file
    return parseAnalysisCacheText(text, contents) && analysisCacheUsable(contents, trackFrames)
           && analysisCacheDescribes(contents, audioPath);
}

bool writeAnalysisCache(const QString &path, const QByteArray &plainText)
{
    Cipher cipher(analysisCacheKey);
    const QString line = cipher.encryptText(plainText);
    // A file the reader would refuse is not written: whatever stands there stays.
    if (line.isEmpty() || line.size() > maximumCacheFileBytes)
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(line.toUtf8());
    return file.commit();
}
