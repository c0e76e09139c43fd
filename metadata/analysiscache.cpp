#include "metadata/analysiscache.h"

#include "metadata/cipher.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cmath>

namespace {

const char *const kSectionNames[5] = {"fileName: ", "beats: ", "chordVec1: ", "chordVecDetected1: ", "tempo: "};

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

QByteArray composeAnalysisCacheText(const QString &audioPath, const QVector<float> &beats,
                                    const QVector<QString> &chords, const QVector<QString> &detected, float tempo)
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
    return text.toUtf8();
}

bool parseAnalysisCacheText(const QString &text, AnalysisCacheContents &contents)
{
    const QStringList parts = text.split('\r');
    if (parts.size() != 5)
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
    return true;
}

bool analysisCacheUsable(const AnalysisCacheContents &contents, qint64 trackFrames)
{
    // The writer keeps one more beat than chords; more chords than beats is not ours.
    if (contents.beats.size() < 2 || contents.chords.isEmpty() || contents.chords.size() > contents.beats.size())
        return false;
    bool ok = false;
    const float tempo = contents.tempo.toFloat(&ok);
    if (!ok || !std::isfinite(tempo))
        return false;
    double previous = -1;
    for (int i = 0; i < contents.beats.size(); ++i) {
        const double beat = contents.beats[i].toDouble(&ok);
        if (!ok || !std::isfinite(beat) || beat < 0 || beat < previous)
            return false;
        // The extra beat at the end is extrapolated and may lie a little past the track.
        if (i + 1 < contents.beats.size() && beat > double(trackFrames))
            return false;
        previous = beat;
    }
    const double step = contents.beats.size() >= 2
                            ? contents.beats.last().toDouble() - contents.beats[contents.beats.size() - 2].toDouble()
                            : 0;
    return contents.beats.last().toDouble() <= double(trackFrames) + step;
}

bool readAnalysisCache(const QString &path, qint64 trackFrames, AnalysisCacheContents &contents)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray raw = file.readAll().trimmed();
    if (raw.isEmpty())
        return false;

    Cipher cipher(analysisCacheKey);
    QString text = cipher.decryptText(QString::fromUtf8(raw));
    if (cipher.lastError() != Cipher::ErrorNone)
        text = QString::fromUtf8(raw); // an old plain file
    return parseAnalysisCacheText(text, contents) && analysisCacheUsable(contents, trackFrames);
}

bool writeAnalysisCache(const QString &path, const QByteArray &plainText)
{
    Cipher cipher(analysisCacheKey);
    const QString line = cipher.encryptText(plainText);
    if (line.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(line.toUtf8());
    return file.commit();
}
