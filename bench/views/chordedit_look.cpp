// Corrects a chord and filters the chords as a new user would, and saves pictures of it:
// opens a generated song of ten chords (one bar each, some of them sevenths and minors the
// analysis misnames), grabs the window while the analysis runs ("Calculating chords"),
// opens the chord editor on the first chord, picks E minor and replaces it, opens the
// track again to see the edit kept, places a riff, then opens the chord filter from the
// chord viewer's button, marks the song's own ten chords and finds them again (answering
// the question about the corrected chord). Pictures go to the folder given as the first
// argument (default: the temporary folder), each question box among them; what it found
// (the chords, the cache, the riff's beats) is printed.
#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/tabbuttons.h"
#include "app/tabwidget.h"
#include "lookwindow.h"
#include "metadata/analysiscache.h"
#include "metadata/metadatathread.h"
#include "views/chords/chordfilterwidget.h"
#include "views/chords/chordlabel.h"
#include "views/chords/chordsstrip.h"
#include "views/chords/chordstab.h"
#include "views/chords/dot.h"
#include "views/chords/singlechordeditwidget.h"
#include "views/jam/beatselection.h"
#include "views/jam/jamtab.h"
#include "views/playback/custombutton.h"
#include "views/playback/plotter.h"
#include "views/playback/wavebg.h"
#include "tests/analysis/chordsynth.h"
#include "tests/pcmwav.h"

namespace {

// Ten chords a bar each at 120 BPM, twice (42 s): C, G, Am, F, Dm, Em, A7, D, E7, Bb, as
// triads (sevenths) over a bass root, struck on every beat.
QString writeTrack(const QString &folder)
{
    using namespace chordsynth;
    Options options;
    options.repeats = 2;
    options.level = 0.2;
    const Track t = progression({major(0), major(7), minor(9), major(5), minor(2), minor(4), seventh(9), major(2),
                                 seventh(4), major(10)},
                                options);
    QByteArray pcm;
    pcm.reserve(int(t.samples.size()) * 4);
    QDataStream out(&pcm, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (float s : t.samples) {
        const qint16 v = qint16(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
        out << v << v;
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

QString stepBeats(const BeatSelection *strip)
{
    QStringList beats;
    for (int k = 0; k <= strip->lastStep(); ++k)
        beats << QString::number(strip->stepBeat(k));
    return beats.join(" ");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString folder = lookFolder(argc, argv);
    MainWindow window;
    // Every question is answered "OK"; a picture of each is kept.
    QStringList asked;
    window.setMessageBoxHook([&](QMessageBox::Icon icon, const QString &title, const QString &text,
                                 QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
        QMessageBox box(icon, title, text, buttons, &window);
        box.setDefaultButton(defaultButton);
        box.grab().save(QDir(folder).filePath(QString("chords-question-%1.png").arg(asked.size())));
        asked << title;
        return QMessageBox::Ok;
    });
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

    // Riff A on four beats of the second bar, to see it kept when the chords are found again.
    JamTab *jam = window.tabWidget()->jamTab();
    BeatSelection *riffA = plotter->beatSelection(0);
    window.tabWidget()->tabButtons()->showRiffBuilder();
    for (int k = 0; k < 4; ++k)
        placeStep(jam, riffA, 0, k, 5 + k);
    std::printf("riff A:    beats %s\n", qPrintable(stepBeats(riffA)));

    // The chord viewer offers the chord filter once the chords are known; its button opens
    // the page, preset to the detected chords. Then the song's own chords, found again.
    window.tabWidget()->tabButtons()->showChordViewer();
    ChordsTab *chordsTab = window.tabWidget()->chordsTab();
    QTest::qWait(50);
    window.grab().save(QDir(folder).filePath("chords-4-viewer.png"));
    if (chordsTab->chordFilterButton()->isHidden())
        return 5;
    QTest::mouseClick(chordsTab->chordFilterButton(), Qt::LeftButton);
    QTest::qWait(50);
    window.grab().save(QDir(folder).filePath("chords-5-filter.png"));
    ChordFilterWidget *filter = chordsTab->chordFilterWidget();
    filter->grab().save(QDir(folder).filePath("chords-5-filter-close.png"));
    // Only the song's own chords: C, G, Am, F, Dm, Em, A7, D, E7, Bb (rows are roots from A,
    // columns major, m, sus2, sus4, 7, maj7, m7).
    QTest::mouseClick(filter->noneButton(), Qt::LeftButton);
    const int marks[10][2] = {{3, 0}, {10, 0}, {0, 1}, {8, 0}, {5, 1}, {7, 1}, {0, 4}, {5, 0}, {7, 4}, {1, 0}};
    for (const auto &mark : marks)
        QTest::mouseClick(filter->dot(mark[0], mark[1]), Qt::LeftButton);
    QTest::mouseClick(filter->findButton(), Qt::LeftButton);
    QTest::qWait(20);
    window.grab().save(QDir(folder).filePath("chords-6-finding.png"));
    if (!waitForResults(window))
        return 6;
    std::printf("asked:     %s\n", qPrintable(asked.join(", ")));
    std::printf("filtered:  %s\n", qPrintable(chordsOf(metaData)));
    AnalysisCacheContents cached;
    const bool read = readAnalysisCache(analysisCachePath(dataFolderPath, track), track, window.frameCount(), cached);
    std::printf("cache:     %s\n", read && cached.chords == QStringList(metaData->chordVec.toList()) ? "holds them"
                                                                                                     : "differs");
    window.grab().save(QDir(folder).filePath("chords-7-filtered.png"));
    std::printf("riff A:    beats %s\n", qPrintable(stepBeats(riffA)));
    window.tabWidget()->tabButtons()->showRiffBuilder();
    QTest::qWait(50);
    window.grab().save(QDir(folder).filePath("chords-8-riffs.png"));
    window.close();
    return 0;
}
