// What the look tools share: the folder their pictures go to (the first argument, or the
// temporary folder), a main window whose message boxes are answered at once, and the
// wait for a track's analysis.
#pragma once
#include <QDataStream>
#include <QDir>
#include <QTest>

#include <functional>

#include "app/mainwindow.h"
#include "metadata/metadata.h"
#include "metadata/metadatathread.h"
#include "tests/pcmwav.h"

inline QString lookFolder(int argc, char **argv)
{
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QDir().mkpath(folder);
    return folder;
}

inline void answerEveryMessage(MainWindow &window)
{
    window.setMessageBoxHook([](QMessageBox::Icon, const QString &, const QString &, QMessageBox::StandardButtons,
                                QMessageBox::StandardButton) { return QMessageBox::Ok; });
}

// Opens the track and waits (up to a minute) for its analysis; false when either fails.
inline bool openAndAnalyse(MainWindow &window, const QString &track)
{
    if (window.open(track) != 0)
        return false;
    MetaData *metaData = window.metaDataThread()->metaData();
    for (int i = 0; i < 600 && !metaData->hasData(); ++i)
        QTest::qWait(100);
    QTest::qWait(300);
    return metaData->hasData();
}

// Writes a 40 s stereo track at 44100 Hz into the folder: frame i holds
// value(i) x 30000 on the left and value(i) x right on the right. Returns its path.
inline QString writeLookTrack(const QString &folder, const QString &name, const std::function<double(int)> &value,
                              double right = 30000.0)
{
    const int frames = 44100 * 40;
    QByteArray pcm;
    pcm.reserve(frames * 4);
    QDataStream out(&pcm, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < frames; ++i) {
        const double v = value(i);
        out << qint16(v * 30000) << qint16(v * right);
    }
    const QString path = QDir(folder).filePath(name);
    writePcm16Wav(path, pcm, 2);
    return path;
}
