// Pictures of what a newcomer reads first: opens a generated 40-second track, waits for
// its analysis, selects four beats on the waveform with the pointer over them (the beat
// count and numbers), opens the chord viewer's keys pane, and opens the help. Saves the
// grabs into the folder given as the first argument (default: the temporary folder).
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTest>

#include <cmath>

#include "app/helpbrowser.h"
#include "app/mainwindow.h"
#include "lookwindow.h"
#include "app/tabbuttons.h"
#include "app/tabwidget.h"
#include "metadata/metadatathread.h"
#include "views/chords/chordstab.h"
#include "views/chords/keyslabel.h"
#include "views/chords/keyswidget.h"
#include "views/playback/plotselection.h"
#include "views/playback/plotter.h"
#include "views/playback/wavebg.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString folder = lookFolder(argc, argv);
    MainWindow window;
    answerEveryMessage(window);
    window.show();
    if (!openAndAnalyse(window, writeChordLookTrack(folder, "newcomer-look.wav", {207.65, 233.08, 155.56, 138.59})))
        return 1;

    // Four beats selected, the pointer over them.
    PlotSelection *selection = window.waveBg()->plotter()->plotSelection();
    const int y = selection->height() / 2;
    mouseAt(selection, QEvent::MouseButtonPress, QPoint(200, y), Qt::LeftButton);
    mouseAt(selection, QEvent::MouseMove, QPoint(330, y), Qt::LeftButton);
    mouseAt(selection, QEvent::MouseButtonRelease, QPoint(330, y), Qt::NoButton);
    mouseAt(selection, QEvent::MouseMove, QPoint(260, y), Qt::NoButton);
    QTest::qWait(50);
    window.grab().save(QDir(folder).filePath("newcomer-0-selection.png"));

    // The chord viewer with its keys pane open.
    window.tabWidget()->tabButtons()->showChordViewer();
    ChordsTab *chords = window.tabWidget()->chordsTab();
    QTest::mouseClick(chords->keysRoll(), Qt::LeftButton);
    QTest::qWait(50);
    window.grab().save(QDir(folder).filePath("newcomer-1-keys.png"));
    QTest::mouseClick(chords->keysPane(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 6 + 18 * 11 + 16));

    // The help, at its riff builder page.
    window.viewOnlineDocs();
    window.helpBrowser()->setSource(QUrl("qrc:/help/riffs.html"));
    QTest::qWait(50);
    window.helpBrowser()->grab().save(QDir(folder).filePath("newcomer-2-help.png"));
    window.close();
    return 0;
}
