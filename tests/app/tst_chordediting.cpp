// A chord track opened in the real window: the "calculating" notice while the analysis
// runs, a chord corrected in the editor and still there when the track is opened again
// (read back from the analysis cache), and the chord filter, opened from the chord viewer,
// running the analysis again (after asking) so that it names only the chords it allows.
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/tabwidget.h"
#include "metadata/analysiscache.h"
#include "metadata/metadatathread.h"
#include "views/chords/chordfilterwidget.h"
#include "views/chords/chordlabel.h"
#include "views/chords/chordsstrip.h"
#include "views/chords/chordstab.h"
#include "views/chords/dot.h"
#include "views/chords/processinglabel.h"
#include "views/chords/singlechordeditwidget.h"
#include "views/playback/custombutton.h"
#include "views/playback/wavebg.h"
#include "../analysis/chordsynth.h"
#include "../pcmwav.h"
#include "freshhome.h"

#include <QMessageBox>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

// Four bars each of C, G, Am and F, twice, as a stereo WAV.
bool writeChordTrack(const QString &path)
{
    chordsynth::Options options;
    options.repeats = 2;
    options.level = 0.2;
    const chordsynth::Track track = chordsynth::progression(chordsynth::popProgression(), options);
    QByteArray pcm;
    pcm.reserve(int(track.samples.size()) * 4);
    for (float s : track.samples) {
        const qint16 v = qint16(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
        for (int channel = 0; channel < 2; ++channel) {
            pcm.append(char(v & 0xff));
            pcm.append(char((v >> 8) & 0xff));
        }
    }
    return writePcm16Wav(path, pcm, 2);
}

QSet<QString> chordNames(const QVector<QString> &names)
{
    QSet<QString> set;
    for (const QString &name : names)
        set.insert(name);
    set.remove("-");
    return set;
}

} // namespace

class TestChordEditing : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_track;

    // Waits for the analysis the window started and for its results to reach the views.
    static bool analysed(MainWindow &window)
    {
        MetaDataThread *thread = window.metaDataThread();
        if (!thread->wait(180000))
            return false;
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return thread->metaData()->hasData();
    }

private slots:
    void initTestCase()
    {
        startFromAFreshHome();
        QVERIFY(m_dir.isValid());
        m_track = m_dir.filePath("progression.wav");
        QVERIFY(writeChordTrack(m_track));
    }

    void correctedChordIsKeptAndTheFilterRestrictsTheAnalysis()
    {
        MainWindow window;
        Plotter *plotter = window.waveBg()->plotter();
        ProcessingLabel *notice = plotter->processingLabel();
        ChordsStrip *strip = plotter->chordsStrip();
        MetaData *meta = window.metaDataThread()->metaData();
        ChordFilterWidget *filter = window.tabWidget()->chordsTab()->chordFilterWidget();

        // The notice shows while the analysis runs and goes, its timer stopped, with the results.
        QCOMPARE(window.open(m_track), 0);
        QVERIFY(!notice->isHidden());
        QVERIFY(notice->dotTimer()->isActive());
        QVERIFY(analysed(window));
        QTRY_VERIFY(notice->isHidden());
        QVERIFY(!notice->dotTimer()->isActive());
        const QSet<QString> found = chordNames(meta->chordVec);
        QVERIFY2(found.contains("C") && found.contains("G"), qPrintable(QStringList(found.values()).join(",")));
        // The filter page is preset to the detected chords.
        QCOMPARE(filter->grid()[0][0], 1);
        QCOMPARE(filter->grid()[7][0], 1);

        // Correct the run of the first label to Eb and find it again after reopening.
        QTRY_VERIFY(!strip->labels().isEmpty());
        ChordLabel *first = strip->labels().first();
        const int beats = first->beatCount();
        first->startEdit();
        SingleChordEditWidget *editor = plotter->chordEditor();
        QVERIFY(!editor->isHidden());
        QTest::mouseClick(editor->dot(6, 0), Qt::LeftButton);
        QTest::mouseClick(editor->replaceButton(), Qt::LeftButton);
        QVERIFY(editor->isHidden());
        QCOMPARE(meta->chordVec.mid(first->firstBeat(), beats), QVector<QString>(beats, "Eb"));
        const QVector<QString> edited = meta->chordVec;
        AnalysisCacheContents cached;
        const QString cachePath = analysisCachePath(dataFolderPath, m_track);
        QVERIFY(readAnalysisCache(cachePath, m_track, window.frameCount(), cached));
        QCOMPARE(cached.chords, QStringList(edited.toList()));

        QCOMPARE(window.open(m_track), 0);
        QVERIFY(!window.metaDataThread()->isRunning());
        QVERIFY(notice->isHidden());
        QCOMPARE(meta->chordVec, edited);
        QTRY_COMPARE(strip->labels().first()->analysisText(), QString("Eb"));

        // The chord viewer offers the filter for the track's chords: only C and G allowed.
        ChordsTab *chordsTab = window.tabWidget()->chordsTab();
        QVERIFY(!chordsTab->chordFilterButton()->isHidden());
        QTest::mouseClick(chordsTab->chordFilterButton(), Qt::LeftButton);
        QTest::mouseClick(filter->noneButton(), Qt::LeftButton);
        QTest::mouseClick(filter->dot(3, 0), Qt::LeftButton);  // C
        QTest::mouseClick(filter->dot(10, 0), Qt::LeftButton); // G
        // The corrected chord would be found again: asked first, "Cancel" keeps it.
        int questions = 0;
        QMessageBox::StandardButton answer = QMessageBox::Cancel;
        window.setMessageBoxHook([&](QMessageBox::Icon, const QString &, const QString &,
                                     QMessageBox::StandardButtons, QMessageBox::StandardButton) {
            ++questions;
            return answer;
        });
        QTest::mouseClick(filter->findButton(), Qt::LeftButton);
        QCOMPARE(questions, 1);
        QVERIFY(!window.metaDataThread()->isRunning());
        QCOMPARE(meta->chordVec, edited);
        // "OK": the analysis runs again and names nothing but C and G.
        answer = QMessageBox::Ok;
        QTest::mouseClick(filter->findButton(), Qt::LeftButton);
        QCOMPARE(questions, 2);
        QVERIFY(window.metaDataThread()->isRunning());
        QVERIFY(!notice->isHidden());
        QVERIFY(notice->dotTimer()->isActive());
        QVERIFY(strip->isHidden());
        // A second request while it runs is refused.
        window.recalculateChords(filter->grid());
        QVERIFY(analysed(window));
        QTRY_VERIFY(notice->isHidden());
        QVERIFY(!notice->dotTimer()->isActive());
        const QSet<QString> filtered = chordNames(meta->chordVec);
        QVERIFY2(!filtered.isEmpty() && (filtered - QSet<QString>({"C", "G"})).isEmpty(),
                 qPrintable(QStringList(filtered.values()).join(",")));
        QVERIFY(!strip->isHidden());
        window.close();
    }
};

QTEST_MAIN(TestChordEditing)
#include "tst_chordediting.moc"
