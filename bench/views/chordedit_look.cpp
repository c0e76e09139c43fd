// Corrects a chord and filters the chords as a new user would, and saves pictures of it:
// opens a generated track of C, G, Am and F (one bar each), grabs the window while the
// analysis runs ("Calculating chords"), opens the chord editor on the second chord, picks
// E minor and replaces it, opens the track again to see the edit kept, then shows the
// chord filter page preset to the detected chords and runs the analysis again with only
// C and G allowed. Pictures go to the folder given as the first argument (default: the
// temporary folder); what it found is printed.
#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTest>

#include <cmath>
#include <cstdio>

#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/tabbuttons.h"
#include "app/tabwidget.h"
#include "metadata/analysiscache.h"
#include "metadata/metadatathread.h"
#include "views/chords/chordfilterwidget.h"
#include "views/chords/chordlabel.h"
#include "views/chords/chordsstrip.h"
#include "views/chords/chordstab.h"
#include "views/chords/dot.h"
#include "views/chords/singlechordeditwidget.h"
#include "views/playback/custombutton.h"
#include "views/playback/plotter.h"
#include "views/playback/wavebg.h"
#include "tests/pcmwav.h"

namespace {

// 32 s at 120 BPM: C, G, Am, F, a bar each, as plucked triads re-struck on every beat.
QString writeTrack(const QString &folder)
{
    const int rate = 44100;
    const int frames = rate * 32;
    const int chords[4][3] = {{60, 64, 67}, {55, 59, 62}, {57, 60, 64}, {53, 57, 60}};
    QByteArray pcm;
    pcm.reserve(frames * 4);
    QDataStream out(&pcm, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < frames; ++i) {
        const int beat = i / 22050;
        const double t = double(i) / rate;
        const double decay = std::exp(-(i % 22050) / 9000.0);
        double v = 0;
        for (int note : chords[(beat / 4) % 4]) {
            const double f = 440.0 * std::pow(2.0, (note - 69) / 12.0);
            for (int h = 1; h <= 4; ++h)
                v += std::sin(2 * M_PI * f * h * t) / (h * h);
        }
        v *= 0.12 * decay;
        out << qint16(v * 30000) << qint16(v * 30000);
    }
    const QString path = QDir(folder).filePath("chord-look.wav");
    writePcm16Wav(path, pcm, 2);
    return path;
}

bool waitForResults(MainWindow &window)
{
    MetaData *metaData = window.metaDataThread()->metaData();
    for (int i = 0; i < 900 && (window.metaDataThread()->isRunning() || !metaData->hasData()); ++i)
        QTest::qWait(100);
    QTest::qWait(300);
    return metaData->hasData();
}

QString chordsOf(const MetaData *metaData)
{
    QStringList runs;
    for (const QString &name : metaData->chordVec) {
        if (runs.isEmpty() || runs.last() != name)
            runs << name;
    }
    return runs.join(" ");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QDir().mkpath(folder);
    MainWindow window;
    window.setMessageBoxHook([](QMessageBox::Icon, const QString &, const QString &, QMessageBox::StandardButtons,
                                QMessageBox::StandardButton) { return QMessageBox::Ok; });
    const QString track = writeTrack(folder);
    // A first opening analyses the track.
    QFile::remove(analysisCachePath(dataFolderPath, track));
    if (window.open(track) != 0)
        return 1;
    QTest::qWait(20);
    window.grab().save(QDir(folder).filePath("chords-0-calculating.png"));
    if (!waitForResults(window))
        return 2;
    MetaData *metaData = window.metaDataThread()->metaData();
    std::printf("analysed:  %s\n", qPrintable(chordsOf(metaData)));
    window.grab().save(QDir(folder).filePath("chords-1-analysed.png"));

    // Correct the second chord to E minor.
    Plotter *plotter = window.waveBg()->plotter();
    ChordsStrip *strip = plotter->chordsStrip();
    if (strip->labels().size() < 2)
        return 3;
    strip->labels().at(1)->startEdit();
    SingleChordEditWidget *editor = plotter->chordEditor();
    QTest::mouseClick(editor->dot(7, 1), Qt::LeftButton);
    QTest::qWait(50);
    window.grab().save(QDir(folder).filePath("chords-2-editor.png"));
    editor->grab().save(QDir(folder).filePath("chords-2-editor-close.png"));
    QTest::mouseClick(editor->replaceButton(), Qt::LeftButton);
    QTest::qWait(50);
    std::printf("edited:    %s\n", qPrintable(chordsOf(metaData)));

    // Open the track again: the edit comes back from the analysis cache.
    if (window.open(track) != 0 || !waitForResults(window))
        return 4;
    std::printf("reopened:  %s (analysis ran again: %s)\n", qPrintable(chordsOf(metaData)),
                window.metaDataThread()->isRunning() ? "yes" : "no");
    window.grab().save(QDir(folder).filePath("chords-3-reopened.png"));

    // The chord filter page, preset to the detected chords; then only C and G.
    window.tabWidget()->tabButtons()->showChordViewer();
    ChordsTab *chordsTab = window.tabWidget()->chordsTab();
    chordsTab->openFilterWidget();
    QTest::qWait(50);
    window.grab().save(QDir(folder).filePath("chords-4-filter.png"));
    ChordFilterWidget *filter = chordsTab->chordFilterWidget();
    filter->grab().save(QDir(folder).filePath("chords-4-filter-close.png"));
    QTest::mouseClick(filter->noneButton(), Qt::LeftButton);
    QTest::mouseClick(filter->dot(3, 0), Qt::LeftButton);
    QTest::mouseClick(filter->dot(10, 0), Qt::LeftButton);
    QTest::mouseClick(filter->findButton(), Qt::LeftButton);
    if (!waitForResults(window))
        return 5;
    std::printf("filtered:  %s\n", qPrintable(chordsOf(metaData)));
    window.grab().save(QDir(folder).filePath("chords-5-filtered.png"));
    window.close();
    return 0;
}
