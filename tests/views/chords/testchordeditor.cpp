#include "testchordeditor.h"

#include "metadata/analysiscache.h"
#include "metadata/metadatathread.h"
#include "views/chords/chordfilterwidget.h"
#include "views/chords/chordlabel.h"
#include "views/chords/chordsstrip.h"
#include "views/chords/dot.h"
#include "views/chords/processinglabel.h"
#include "views/chords/singlechordeditwidget.h"
#include "views/playback/custombutton.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int trackFrames = 44100 * 20;
const QString audioPath = "/music/song.wav";

// Results of one chord per beat in a strip and an editor wired as the waveform view and
// the main window wire them, with the analysis thread writing the cache.
struct Editing
{
    QTemporaryDir folder;
    MetaDataThread thread;
    ChordsStrip strip;
    SingleChordEditWidget editor;

    explicit Editing(const QStringList &chords)
    {
        QStringList beats;
        for (int i = 0; i <= chords.size(); ++i)
            beats << QString::number(10000 + i * 22050);
        thread.setFileNames(folder.filePath("song.pqm"), audioPath);
        meta()->loadFromSession(beats, chords, chords, "120", QString());
        strip.playTimer()->stop();
        strip.setMetaData(meta());
        strip.setTrackFrames(trackFrames);
        strip.resize(1500, 20);
        strip.initChordStrip();
        editor.setMetaData(meta());
        QObject::connect(&strip, &ChordsStrip::showChordEdit, &editor,
                         [this](QString text, int, ChordLabel *label) { editor.showChordEdit(text, 0, label, true); });
        QObject::connect(&editor, SIGNAL(getStartEndBeats()), &strip, SLOT(getStartEndBeats()), Qt::DirectConnection);
        QObject::connect(&editor, SIGNAL(reInitChordStrip()), &strip, SLOT(initChordStrip()));
        QObject::connect(&editor, SIGNAL(savePQM()), &thread, SLOT(savePQM()));
    }
    MetaData *meta() { return thread.metaData(); }
    ChordLabel *label(int index) { return strip.labels().at(index); }
    QStringList cachedChords()
    {
        AnalysisCacheContents contents;
        if (!readAnalysisCache(folder.filePath("song.pqm"), audioPath, trackFrames, contents))
            return {};
        return contents.chords;
    }
    // Clicks the dot of a chord name.
    void pick(const QString &name)
    {
        for (Dot *dot : editor.dots()) {
            if (dot->text() == name)
                QTest::mouseClick(dot, Qt::LeftButton);
        }
    }
    int litDots()
    {
        int lit = 0;
        for (Dot *dot : editor.dots())
            lit += dot->isLit() ? 1 : 0;
        return lit;
    }
};

} // namespace

void TestChordEditor::dotsLightTheChordShown()
{
    Editing e({"C", "Ebm", "Ebm", "G"});
    e.label(1)->startEdit();
    QVERIFY(!e.editor.isHidden());
    QCOMPARE(e.litDots(), 1);
    QVERIFY(e.editor.dot(6, 1)->isLit());
    QCOMPARE(e.editor.dot(6, 1)->text(), QString("Ebm"));
    QCOMPARE(e.editor.dot(6, 1)->pos(), QPoint(82 + 20 * 6, 34));
    QCOMPARE(e.editor.dot(0, 6)->pos(), QPoint(82, 109));
    QCOMPARE(e.editor.dot(4, 6)->text(), QString("C#m7"));
    QCOMPARE(e.editor.dot(11, 2)->text(), QString("Absus2"));
    e.editor.changeChord("Hm");
    QCOMPARE(e.litDots(), 0);
    // Clicking one dot twice keeps it lit, and the label keeps its name.
    e.pick("F#7");
    e.pick("F#7");
    QCOMPARE(e.litDots(), 1);
    QVERIFY(e.editor.dot(9, 4)->isLit());
    QCOMPARE(e.label(1)->displayText(), QString("F#7"));
}

void TestChordEditor::replaceWritesTheRunAndTheCache()
{
    Editing e({"C", "C", "C", "C", "Am", "Am", "Am", "Am", "F", "C"});
    e.label(1)->startEdit();
    QCOMPARE(e.strip.getStartEndBeats(), QPoint(4, 8));
    QSignalSpy saved(&e.editor, &SingleChordEditWidget::savePQM);
    QSignalSpy reset(&e.editor, &SingleChordEditWidget::resetScroll);
    e.pick("Dm");
    QTest::mouseClick(e.editor.replaceButton(), Qt::LeftButton);
    QCOMPARE(saved.count(), 1);
    QCOMPARE(reset.count(), 1);
    QVERIFY(e.editor.isHidden());
    QVERIFY(e.editor.currentChordText().isEmpty());
    const QVector<QString> expected = {"C", "C", "C", "C", "Dm", "Dm", "Dm", "Dm", "F", "C"};
    QCOMPARE(e.meta()->chordVec, expected);
    QVERIFY(e.meta()->chordVecDetected.contains("Dm"));
    QCOMPARE(e.cachedChords(), QStringList(expected.toList()));
    // The strip is rebuilt from the results.
    QCOMPARE(e.strip.labels().at(1)->analysisText(), QString("Dm"));
}

void TestChordEditor::replaceAllKeepsOtherQualities()
{
    Editing e({"G", "G", "Gm", "C", "G", "Gm7", "Em"});
    e.label(0)->startEdit();
    e.pick("Em");
    QTest::mouseClick(e.editor.replaceAllButton(), Qt::LeftButton);
    const QVector<QString> expected = {"Em", "Em", "Gm", "C", "Em", "Gm7", "Em"};
    QCOMPARE(e.meta()->chordVec, expected);
    // The detected list names Em once, G no more, Gm still.
    QCOMPARE(e.meta()->chordVecDetected.count("Em"), 1);
    QVERIFY(!e.meta()->chordVecDetected.contains("G"));
    QVERIFY(e.meta()->chordVecDetected.contains("Gm"));
    QCOMPARE(e.cachedChords(), QStringList(expected.toList()));

    // Replacing every C by C again keeps C listed and writes nothing.
    QSignalSpy saved(&e.editor, &SingleChordEditWidget::savePQM);
    for (ChordLabel *label : e.strip.labels()) {
        if (label->analysisText() == "C") {
            label->startEdit();
            break;
        }
    }
    QVERIFY(!e.editor.isHidden());
    e.pick("C");
    QTest::mouseClick(e.editor.replaceAllButton(), Qt::LeftButton);
    QVERIFY(e.meta()->chordVecDetected.contains("C"));
    QCOMPARE(saved.count(), 0);
}

void TestChordEditor::cancelAndRefusalsWriteNothing()
{
    Editing e({"A", "A", "-", "D"});
    const QVector<QString> before = e.meta()->chordVec;
    QSignalSpy saved(&e.editor, &SingleChordEditWidget::savePQM);
    e.label(0)->startEdit();
    e.pick("Bm");
    QTest::mouseClick(e.editor.cancelButton(), Qt::LeftButton);
    QVERIFY(e.editor.isHidden());
    QCOMPARE(e.meta()->chordVec, before);
    QCOMPARE(saved.count(), 0);
    QVERIFY(e.cachedChords().isEmpty());

    // A run without a chord, replaced without a pick: nothing to write.
    e.label(1)->startEdit();
    QTest::mouseClick(e.editor.replaceButton(), Qt::LeftButton);
    QVERIFY(e.editor.isHidden());
    QCOMPARE(e.meta()->chordVec, before);
    // Without results (an analysis replacing them) nothing is written either.
    e.label(2)->startEdit();
    e.pick("E");
    e.meta()->clear();
    QTest::mouseClick(e.editor.replaceAllButton(), Qt::LeftButton);
    QCOMPARE(saved.count(), 0);
    QVERIFY(e.cachedChords().isEmpty());
}

void TestChordEditor::processingNoticeCountsItsDots()
{
    ProcessingLabel label;
    label.resize(250, 40);
    QVERIFY(label.testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(label.dotTimer()->interval(), 500);
    QVERIFY(!label.dotTimer()->isActive());
    QCOMPARE(label.shownText(), QString("Calculating chords ."));
    for (int i = 0; i < 3; ++i)
        label.setDotNumber();
    QCOMPARE(label.shownText(), QString("Calculating chords . . . ."));
    for (int i = 0; i < 2; ++i)
        label.setDotNumber();
    QCOMPARE(label.dotCount(), 1);
}

void TestChordEditor::filterMarksAndPresets()
{
    ChordFilterWidget filter;
    filter.clearSelection();
    QSignalSpy sent(&filter, &ChordFilterWidget::recalculateChords);
    QSignalSpy stops(&filter, &ChordFilterWidget::stopPlayback);
    QTest::mouseClick(filter.findButton(), Qt::LeftButton);
    QCOMPARE(sent.count(), 1);
    QCOMPARE(stops.count(), 1);
    QCOMPARE(sent.last().at(0).value<ChordFilterGrid>(), ChordFilterGrid(12, QVector<int>(7, 0)));

    // Screen row 0 is A: grid row 9.
    QCOMPARE(filter.dot(0, 1)->pos(), QPoint(81, 104));
    QTest::mouseClick(filter.dot(0, 1), Qt::LeftButton);
    QCOMPARE(filter.grid()[9][1], 1);
    QTest::mouseClick(filter.dot(0, 1), Qt::LeftButton);
    QCOMPARE(filter.grid()[9][1], 0);

    filter.setSelectionFromDetectedChords({"C#m7", "Bbmaj7", "", "Absus4", "E", "E", "-", "N"});
    const ChordFilterGrid &grid = filter.grid();
    QCOMPARE(grid[1][6], 1);
    QCOMPARE(grid[10][5], 1);
    QCOMPARE(grid[8][3], 1);
    QCOMPARE(grid[4][0], 1);
    // Names that are no chord mark nothing (not A major).
    QCOMPARE(grid[9][0], 0);
    int marks = 0;
    for (const QVector<int> &row : grid)
        marks += row.count(1);
    QCOMPARE(marks, 4);
    QCOMPARE(filter.names().size(), 7);
    QVERIFY(filter.dot(7, 0)->isActive() && filter.dot(7, 0)->isLit());
    // A preset dot goes off with one click; the none button clears everything.
    QTest::mouseClick(filter.dot(7, 0), Qt::LeftButton);
    QCOMPARE(filter.grid()[4][0], 0);
    QTest::mouseClick(filter.noneButton(), Qt::LeftButton);
    QCOMPARE(filter.grid(), ChordFilterGrid(12, QVector<int>(7, 0)));
    QVERIFY(filter.names().isEmpty());
    QVERIFY(!filter.dot(4, 6)->isLit());
}
