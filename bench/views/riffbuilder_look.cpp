// Builds what a new user would in the riff builder and saves pictures of it: opens a
// generated 40-second track, waits for its analysis, places riff A (4 steps, step 2 five
// semitones up) and riff B (3 steps) on the waveform, puts A, A, B in the song, and
// grabs the main window at each stage into the folder given as the first argument
// (default: the temporary folder). Under SDL's disk driver it then plays riff A and the
// song from their play buttons, so that what a user hears lands in the driver's file (the
// riff's is kept as riff-capture.raw in the folder, the song's stays in the driver's file).
// Last it opens the track anew and places riff A's first step from its placeholder.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

#include "app/mainwindow.h"
#include "lookwindow.h"
#include "app/tabbuttons.h"
#include "app/tabwidget.h"
#include "metadata/metadatathread.h"
#include "views/jam/beatselection.h"
#include "views/jam/contextpitchwidget.h"
#include "views/jam/jamtab.h"
#include "views/jam/riffidwidget.h"
#include "views/jam/riffstep.h"
#include "views/jam/songstep.h"
#include "views/jam/songstepselector.h"
#include "views/jam/stepcontextmenu.h"
#include "views/playback/plotter.h"
#include "views/playback/wavebg.h"

namespace {

// A 40 s stereo track at 120 BPM: a click and a bass note on every beat.
QString writeTrack(const QString &folder)
{
    return writeLookTrack(
        folder, "riff-look.wav",
        [](int i) {
            const double notes[] = {55.0, 65.4, 73.4, 82.4};
            const int inBeat = i % 22050;
            const double decay = std::exp(-inBeat / 4000.0);
            const double click = inBeat < 400 ? std::sin(i * 0.6) * (1.0 - inBeat / 400.0) : 0.0;
            const double bass = std::sin(2 * M_PI * notes[(i / 22050) % 4] * i / 44100) * decay;
            return 0.5 * click + 0.4 * bass;
        },
        26000.0);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString folder = lookFolder(argc, argv);
    MainWindow window;
    answerEveryMessage(window);
    const QString track = writeTrack(folder);
    if (!openAndAnalyse(window, track))
        return 1;

    JamTab *jam = window.tabWidget()->jamTab();
    Plotter *plotter = window.waveBg()->plotter();
    window.tabWidget()->tabButtons()->showRiffBuilder();
    QTest::qWait(50);
    window.grab().save(QDir(folder).filePath("riff-0-empty.png"));

    // Riff A: four steps, the second five semitones up.
    for (int k = 0; k < 4; ++k)
        placeStep(jam, plotter->beatSelection(0), 0, k, 2 + k);
    QTest::mouseClick(jam->riffStep(0), Qt::RightButton, Qt::NoModifier, QPoint(45, 15));
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(jam->stepMenu(0, 1)->pitchWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(80, 10));
    QTest::qWait(50);
    window.grab().save(QDir(folder).filePath("riff-1-menu.png"));
    QTest::mouseClick(jam, Qt::LeftButton, Qt::NoModifier, QPoint(900, 330));

    // Riff B: three steps, two of them on one beat.
    QWheelEvent up(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(jam->riffIdWidget(), &up);
    placeStep(jam, plotter->beatSelection(1), 1, 0, 6);
    placeStep(jam, plotter->beatSelection(1), 1, 1, 8);
    placeStep(jam, plotter->beatSelection(1), 1, 2, 8);

    // The song: A, A, B.
    chooseSongSlot(jam, 0, 0);
    chooseSongSlot(jam, 1, 0);
    chooseSongSlot(jam, 2, 1);
    QTest::qWait(50);
    window.grab().save(QDir(folder).filePath("riff-2-song.png"));
    QTest::mouseClick(jam->songStep(), Qt::LeftButton, Qt::NoModifier, QPoint(30 * 3 + 15, 15));
    QTest::qWait(50);
    window.grab().save(QDir(folder).filePath("riff-3-chooser.png"));
    QTest::mouseClick(jam, Qt::LeftButton, Qt::NoModifier, QPoint(900, 330));

    if (qEnvironmentVariable("SDL_AUDIODRIVER") == "disk") {
        // Riff A from its play button for two passes, then the song once through.
        QWheelEvent down(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(jam->riffIdWidget(), &down);
        QTest::mouseClick(jam->riffPlayButton(), Qt::LeftButton);
        QTest::qWait(4000);
        window.grab().save(QDir(folder).filePath("riff-4-playing.png"));
        QTest::mouseClick(jam->riffPlayButton(), Qt::LeftButton);
        // The driver starts its file again with the next stream: keep the riff's.
        const QString capture = qEnvironmentVariable("SDL_DISKAUDIOFILE", "sdlaudio.raw");
        QFile::remove(QDir(folder).filePath("riff-capture.raw"));
        QFile::copy(capture, QDir(folder).filePath("riff-capture.raw"));
        QTest::mouseClick(jam->songPlayButton(), Qt::LeftButton);
        QTest::qWait(5600);
        window.grab().save(QDir(folder).filePath("riff-5-song.png"));
        QTest::mouseClick(jam->songPlayButton(), Qt::LeftButton);
        QTest::qWait(200);
    }

    // The same track opened anew while another riff is shown: riff A's "1" on the first beat,
    // double-clicked, carried to beat 3 and committed from its cell.
    QApplication::sendEvent(jam->riffIdWidget(), &up);
    if (window.open(track) != 0)
        return 3;
    QTest::mouseDClick(plotter->beatSelection(0)->beatLabel(0), Qt::LeftButton, Qt::NoModifier, QPoint(2, 5));
    moveOver(plotter->beatSelection(0),
             QPoint(int(std::lround((22050.0 * 3 + 11025.0) / plotter->beatSelection(0)->samplesPerPixel())), 20));
    QTest::qWait(50);
    window.grab().save(QDir(folder).filePath("riff-6-new-track-armed.png"));
    QTest::mouseClick(jam->riffStep(0), Qt::LeftButton, Qt::NoModifier, QPoint(15, 15));
    QTest::qWait(50);
    window.grab().save(QDir(folder).filePath("riff-7-new-track-placed.png"));
    window.close();
    return 0;
}
