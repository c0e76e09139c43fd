// The riff builder in the real window and player: strip, loop bar, play head and sound
// agree after a new track, the first step's placeholder, a re-armed step and a stop.
#include "app/tabwidget.h"
#include "audio/audioplayer.h"
#include "metadata/analysiscache.h"
#include "views/jam/looplengthwidget.h"
#include "views/jam/riffidwidget.h"
#include "views/jam/riffstep.h"
#include "views/playback/custombutton.h"
#include "views/playback/wavebg.h"
#include "tests/app/freshhome.h"
#include "tests/views/playback/wavwriter.h"

#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Eight seconds of tone with a beat every half second in the analysis cache.
QString writeTrack(const QString &path)
{
    std::vector<float> tone(44100 * 8);
    for (size_t i = 0; i < tone.size(); ++i)
        tone[i] = 0.2f * float(std::sin(0.047 * double(i)));
    QVector<float> beats;
    for (int b = 4096; b < int(tone.size()); b += 22050)
        beats << float(b);
    const QVector<QString> chords(beats.size() - 1, "Am");
    const bool ok = writeStereoWav(path, tone, tone)
                    && writeAnalysisCache(analysisCachePath(dataFolderPath, path),
                                          composeAnalysisCacheText(path, beats, chords, {"Am"}, 120.0f));
    return ok ? path : QString();
}

struct Window {
    MainWindow w;
    JamTab *jam = w.tabWidget()->jamTab();
    Plotter *plotter = w.waveBg()->plotter();
    Window()
    {
        warnOnMessageBoxes(w);
        w.show();
    }
    void click(int cell) { QTest::mouseClick(jam->riffStep(0), Qt::LeftButton, {}, QPoint(30 * cell + 15, 15)); }
    // Riff A's steps from the row, each armed and committed.
    void build(int steps)
    {
        for (int k = 0; k < 2 * steps; ++k)
            click(k / 2);
    }
    void doubleClick(int step)
    {
        QTest::mouseDClick(plotter->beatSelection(0)->beatLabel(step), Qt::LeftButton, {}, QPoint(2, 5));
    }
    int animatedLabels() const
    {
        int count = 0;
        for (BeatLabel *label : plotter->findChildren<BeatLabel *>())
            count += label->isAnimated() ? 1 : 0;
        return count;
    }
};

} // namespace

class TestRiffBuilder : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_track;

private slots:
    void initTestCase()
    {
        startFromAFreshHome();
        QDir().mkpath(dataFolderPath + "/metadata");
        m_track = writeTrack(m_dir.filePath("riffs.wav"));
        QVERIFY(!m_track.isEmpty());
    }

    void newTrackShowsRiffAsStrip()
    {
        Window win;
        QCOMPARE(win.w.open(m_track), 0);
        QWheelEvent up({5, 5}, {5, 5}, {}, {0, 240}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(win.jam->riffIdWidget(), &up);
        QCOMPARE(win.plotter->beatSelectionStack()->currentIndex(), 2);
        QCOMPARE(win.w.open(m_track), 0);
        QCOMPARE(win.jam->currentRiff(), 0);
        QCOMPARE(win.w.audioPlayer()->currentRiff(), 0);
        QCOMPARE(win.plotter->beatSelectionStack()->currentIndex(), 0);
    }

    void placeholderStepBecomesAPlayingStep()
    {
        Window win;
        QCOMPARE(win.w.open(m_track), 0);
        win.doubleClick(0);
        win.click(0);
        QVERIFY(win.jam->riffStep(0)->isFirstStepSet());
        QCOMPARE(win.plotter->beatSelection(0)->lastBeatIndex(), 0);
        QCOMPARE(win.w.audioPlayer()->renderRiff(), 22050); // one beat, to its last frame
    }

    void loopBarCountsANewStepLeftForAnother()
    {
        Window win;
        QCOMPARE(win.w.open(m_track), 0);
        win.build(3);
        win.click(3);
        win.doubleClick(1);
        win.doubleClick(1);
        QCOMPARE(win.plotter->beatSelection(0)->lastBeatIndex(), 3);
        QCOMPARE(win.jam->loopLengthWidget(0)->value(), 3);
    }

    void playHeadEndsWithStopAndNewTrack()
    {
        Window win;
        QCOMPARE(win.w.open(m_track), 0);
        win.build(2);
        QTest::mouseClick(win.jam->riffPlayButton(), Qt::LeftButton);
        QCOMPARE(win.animatedLabels(), 1);
        win.w.playStop();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(win.animatedLabels(), 0);
        QTest::mouseClick(win.jam->riffPlayButton(), Qt::LeftButton);
        QCOMPARE(win.w.open(m_track), 0);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(win.animatedLabels(), 0);
    }
};

QTEST_MAIN(TestRiffBuilder)
#include "tst_riffbuilder.moc"
