// What the look tools share: the folder their pictures go to (the first argument, or the
// temporary folder), a main window whose message boxes are answered at once, the wait for
// a track's analysis, and the riff builder gestures of a user on a 120 BPM track.
#pragma once
#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QMouseEvent>
#include <QTest>

#include <array>
#include <cmath>
#include <functional>

#include "app/mainwindow.h"
#include "metadata/metadata.h"
#include "metadata/metadatathread.h"
#include "tests/pcmwav.h"
#include "views/jam/beatselection.h"
#include "views/jam/jamtab.h"
#include "views/jam/riffstep.h"
#include "views/jam/songstep.h"
#include "views/jam/songstepselector.h"

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

// A 40 s stereo track at 120 BPM: a click and a major chord on every beat, four beats on
// each of the four roots (in Hz) in turn.
inline QString writeChordLookTrack(const QString &folder, const QString &name, const std::array<double, 4> &roots)
{
    return writeLookTrack(folder, name, [roots](int i) {
        const int inBeat = i % 22050;
        const double r = roots[size_t((i / 22050 / 4) % 4)];
        const double tone = std::sin(2 * M_PI * r * i / 44100) + std::sin(2 * M_PI * r * 1.2599 * i / 44100)
                            + std::sin(2 * M_PI * r * 1.4983 * i / 44100);
        const double click = inBeat < 400 ? std::sin(i * 0.6) * (1.0 - inBeat / 400.0) : 0.0;
        return 0.4 * click + 0.15 * tone * std::exp(-inBeat / 9000.0);
    });
}

// A press, move or release of the left button at pos, with the buttons held after it.
inline void mouseAt(QWidget *widget, QEvent::Type type, const QPoint &pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void moveOver(QWidget *widget, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Places one step of the shown riff on `beat` (of a 120 BPM track) from the step row: arm
// the cell, move over the beat on the waveform, click the cell again.
inline void placeStep(JamTab *jam, BeatSelection *strip, int riff, int cell, int beat)
{
    const QPoint cellPoint(30 * cell + 15, 15);
    QTest::mouseClick(jam->riffStep(riff), Qt::LeftButton, Qt::NoModifier, cellPoint);
    const float spp = strip->samplesPerPixel();
    const int x = int(std::lround((22050.0 * beat + 11025.0) / spp));
    moveOver(strip, QPoint(x, 20));
    QTest::mouseClick(jam->riffStep(riff), Qt::LeftButton, Qt::NoModifier, cellPoint);
}

inline void chooseSongSlot(JamTab *jam, int slot, int riff)
{
    QTest::mouseClick(jam->songStep(), Qt::LeftButton, Qt::NoModifier, QPoint(30 * slot + 15, 15));
    SongStepSelector *chooser = jam->songStepSelector();
    const QPoint row(20, 18 * riff + 9);
    moveOver(chooser, row);
    QTest::mouseClick(chooser, Qt::LeftButton, Qt::NoModifier, row);
}
