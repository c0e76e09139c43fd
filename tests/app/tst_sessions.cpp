// Session files through the real main window: the exact text written, a save restored
// in a new window, what a load refuses, and files made to hurt the loader.
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/pathsmanager.h"
#include "app/sessiondocument.h"
#include "app/tabwidget.h"
#include "audio/audioplayer.h"
#include "metadata/analysiscache.h"
#include "metadata/metadatathread.h"
#include "views/jam/contextpitchwidget.h"
#include "views/playback/knob.h"
#include "views/jam/looplengthwidget.h"
#include "views/jam/riffidwidget.h"
#include "views/jam/riffstep.h"
#include "views/jam/songstep.h"
#include "views/jam/stepcontextmenu.h"
#include "views/playback/transportwidget.h"
#include "views/playback/wavebg.h"
#include "preferences/languagetab.h"
#include "preferences/preferencesmenu.h"
#include "../pcmwav.h"

#include <QAction>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include <sys/stat.h>

namespace {

const int trackFrames = 44100 * 12;

// A stereo tone of twelve seconds and its analysis in the cache (a beat every half
// second), so that opening it reads the beats at once and starts no analysis.
void makeTrack(const QString &path)
{
    QByteArray pcm;
    pcm.reserve(trackFrames * 4);
    for (int i = 0; i < trackFrames; ++i) {
        const qint16 v = qint16(8000.0 * std::sin(2.0 * M_PI * 220.0 * i / 44100.0));
        for (int c = 0; c < 2; ++c) {
            pcm.append(char(v & 0xff));
            pcm.append(char((v >> 8) & 0xff));
        }
    }
    QVERIFY(writePcm16Wav(path, pcm, 2));
    QVector<float> beats;
    QVector<QString> chords;
    for (float b = 4096.0f; b < float(trackFrames); b += 22050.0f) {
        beats << b;
        chords << "C";
    }
    chords.removeLast();
    const QByteArray text = composeAnalysisCacheText(path, beats, chords, {"C", "G"}, 120.0f);
    QVERIFY(writeAnalysisCache(analysisCachePath(dataFolderPath, path), text));
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A window that answers every dialog itself: open and save dialogs with the paths
// given, message boxes with `answer` (Cancel unless told), each one recorded.
struct Window {
    MainWindow w;
    QString openAnswer;
    QString saveAnswer;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    QStringList messages;
    Window()
    {
        w.setFileDialogHook([this](const QString &, const QString &, const QString &) { return openAnswer; });
        w.setSaveDialogHook([this](const QString &, const QString &, const QStringList &filters) {
            return MainWindow::SaveFileChoice{saveAnswer, filters.value(0)};
        });
        w.setMessageBoxHook([this](QMessageBox::Icon, const QString &title, const QString &text,
                                   QMessageBox::StandardButtons, QMessageBox::StandardButton) {
            messages << title + ": " + text;
            return answer;
        });
    }
    ~Window() { w.close(); }
    QAction *action(const QString &text)
    {
        for (QAction *a : w.findChildren<QAction *>()) {
            if (a->text() == text)
                return a;
        }
        return nullptr;
    }
    JamTab *jam() { return w.tabWidget()->jamTab(); }
    Plotter *plotter() { return w.waveBg()->plotter(); }
};

// Builds a riff of `steps` steps from the riff builder's step row: each cell is armed by
// one click and committed by a second.
void buildRiff(JamTab *jam, int steps)
{
    for (int k = 0; k < steps; ++k) {
        const QPoint cell(30 * k + 15, 15);
        QTest::mouseClick(jam->riffStep(jam->currentRiff()), Qt::LeftButton, Qt::NoModifier, cell);
        QTest::mouseClick(jam->riffStep(jam->currentRiff()), Qt::LeftButton, Qt::NoModifier, cell);
    }
}

// Picks another language on the language page and presses "Relaunch Now" in its question.
void relaunchInAnotherLanguage(MainWindow &w)
{
    LanguageTab *page = w.preferencesMenu()->languageTab();
    for (QRadioButton *button : page->languageButtons()) {
        if (!page->isChanged() && button->objectName() != page->checkedCode())
            button->click();
    }
    QTimer::singleShot(0, []() {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        for (QAbstractButton *button : box ? box->buttons() : QList<QAbstractButton *>()) {
            if (button->text() == "Relaunch Now")
                button->click();
        }
    });
    page->setLanguage();
}

void chooseRiff(JamTab *jam, int riff)
{
    while (jam->currentRiff() != riff) {
        QWheelEvent up(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(jam->riffIdWidget(), &up);
    }
}

} // namespace

class TestSessions : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_track;

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QString());
        dataFolderPath = QStandardPaths::writableLocation(QStandardPaths::DataLocation) + "/Plectronome";
        QDir().mkpath(dataFolderPath + "/metadata");
        QVERIFY(m_dir.isValid());
        // Every path of the session holds characters that XML and menus treat apart.
        QVERIFY(QDir(m_dir.path()).mkpath("Proben & <Tön> 練習"));
        m_track = m_dir.path() + "/Proben & <Tön> 練習/Lied ß & <1>.wav";
        makeTrack(m_track);
    }

    // The text of a saved session, byte for byte: element order, one space of indent,
    // the ids, the volume 99 of the player's gain, the tempo and the fine tune cut to
    // whole numbers, the default values of an untouched window.
    void savedTextMatchesTheGoldenFile()
    {
        Window win;
        QCOMPARE(win.w.open(m_track), 0);
        RealTimeToolsTab *tools = win.w.tabWidget()->realTimeToolsTab();
        tools->bpmWidget()->showValue(120.7f);
        tools->fineTuneWidget()->setFineTune(63.9f);
        win.w.audioPlayer()->setPlayPosition(44100);
        win.saveAnswer = m_dir.path() + "/golden";
        win.w.saveSessionFileAs();
        QCOMPARE(win.w.pathsManager()->sessionFile(), m_dir.path() + "/golden.pq");
        QByteArray golden = readAll(QStringLiteral(PLECTRONOME_TEST_DATA) + "/session_golden.pq");
        QVERIFY(!golden.isEmpty());
        QString audio = m_track;
        golden.replace("@AUDIO@", audio.replace('&', "&amp;").replace('<', "&lt;").toUtf8());
        const QByteArray written = readAll(m_dir.path() + "/golden.pq");
        // A differing text is kept beside the test for a look.
        if (written != golden)
            writeFile(QDir::currentPath() + "/session_golden.written", written);
        QCOMPARE(written, golden);
        QVERIFY(win.action("&Save Session")->isEnabled());
    }

    // A session saved in one window and loaded in a new one under the same home gives
    // back the whole state: every value that a save reads reads the same.
    void sessionComesBackInANewWindow()
    {
        const QString session = m_dir.path() + "/Proben & <Tön> 練習/Sitzung & <eins> 練習.pq";
        QByteArray saved;
        QVector<int> riffs;
        int loop[2] = {};
        {
            Window win;
            QCOMPARE(win.w.open(m_track), 0);
            RealTimeToolsTab *tools = win.w.tabWidget()->realTimeToolsTab();
            for (int i = 0; i < 3; ++i)
                tools->bpmWidget()->decrement();
            tools->semitoneWidget()->increment();
            tools->semitoneWidget()->increment();
            tools->fineTuneWidget()->increment();
            tools->widthKnob()->setValue(30);
            win.w.transportWidget()->loopButton()->latch();
            PlotSelection *selection = win.plotter()->plotSelection();
            selection->setStart(120);
            selection->setEnd(300);
            // The beats a little later, riff A from the first beat, riff C two steps
            // with the second a fifth up.
            win.jam()->beatOffsetKnob()->setValue(60);
            buildRiff(win.jam(), 3);
            chooseRiff(win.jam(), 2);
            buildRiff(win.jam(), 2);
            StepContextMenu *menu = win.jam()->stepMenu(2, 1);
            for (int i = 0; i < 7; ++i)
                QTest::mouseClick(menu->pitchWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(80, 10));
            SongStep *song = win.jam()->songStep();
            song->setRiffFromMenu(0, 0);
            song->setRiffFromMenu(2, 1);
            song->setRiffFromMenu(0, 2);
            win.plotter()->zoomIn();
            win.plotter()->zoomIn();
            win.w.tabWidget()->tabButtons()->showChordViewer();
            win.w.audioPlayer()->setPlayPosition(88200);
            QCOMPARE(win.plotter()->selectionStack()->currentIndex(), 1);

            win.saveAnswer = session.left(session.size() - 3);
            win.w.saveSessionFileAs();
            QCOMPARE(win.w.pathsManager()->sessionFile(), session);
            saved = win.w.currentSession().toXml();
            for (int r = 0; r < JamTab::riffCount; ++r)
                riffs << win.plotter()->beatSelection(r)->lastStep() << win.plotter()->beatSelection(r)->loopLength();
            QCOMPARE(riffs, QVector<int>({2, 3, -1, -1, 1, 2, -1, -1, -1, -1, -1, -1}));
            QCOMPARE(readAll(session), saved);
            QVERIFY(win.messages.isEmpty());
            loop[0] = win.plotter()->plotSelection()->startSample();
            loop[1] = win.plotter()->plotSelection()->endSample();
        }
        // What the user made is really in the file.
        SessionDocument file;
        QVERIFY(file.parse(saved));
        QCOMPARE(file.riffs[0].steps[0].beat, QString("0"));
        QVERIFY(file.riffs[0].steps[0].state.toInt() >= 2);
        QCOMPARE(file.riffs[2].steps[1].semitone, QString("7"));
        QCOMPARE(file.songSlots[1], QString("2"));
        QCOMPARE(file.value("looped"), QString("1"));
        QCOMPARE(file.value("currentTab"), QString("2"));
        QCOMPARE(file.value("fileName"), m_track);

        Window win;
        win.openAnswer = session;
        win.w.loadSession();
        QVERIFY(win.messages.isEmpty());
        QCOMPARE(win.w.pathsManager()->sessionFile(), session);
        const QByteArray restored = win.w.currentSession().toXml();
        if (restored != saved) {
            writeFile(QDir::currentPath() + "/roundtrip.saved", saved);
            writeFile(QDir::currentPath() + "/roundtrip.restored", restored);
        }
        QCOMPARE(restored, saved);
        // Under the riff strips of a zoomed view the loop plays the beats it did.
        QCOMPARE(win.plotter()->plotSelection()->startSample(), loop[0]);
        QCOMPARE(win.plotter()->plotSelection()->endSample(), loop[1]);
        QVector<int> loaded;
        for (int r = 0; r < JamTab::riffCount; ++r)
            loaded << win.plotter()->beatSelection(r)->lastStep() << win.plotter()->beatSelection(r)->loopLength();
        QCOMPARE(loaded, riffs);
        // A step on beat 0 is a step like any other.
        QCOMPARE(win.plotter()->beatSelection(0)->stepBeat(0), 0);
        QCOMPARE(win.plotter()->beatSelection(0)->lastBeatIndex(), 2);
        QVERIFY(win.plotter()->beatSelection(2)->stepPitch(1) == std::pow(2.0f, 7.0f / 12.0f));
        QVERIFY(win.w.audioPlayer()->isLooping());
        QVERIFY(win.action("&Save Session")->isEnabled());
        QVERIFY(win.action("Save Riff Audio...")->isEnabled());
        // The session, not its audio file, is on top of the recent files.
        QCOMPARE(win.w.recentFiles().value(0), session);
        QVERIFY(!win.w.recentFiles().contains(m_track));

        // Loading it again for the track already open, while riff C plays, stops the
        // playback and changes nothing else.
        win.w.audioPlayer()->playRiff();
        QVERIFY(win.w.audioPlayer()->isPlaying());
        win.w.loadSession();
        QVERIFY(!win.w.audioPlayer()->isPlaying());
        QCOMPARE(win.w.currentSession().toXml(), saved);
        QCOMPARE(win.w.recentFiles().count(session), 1);
    }

    // A loop set while the track is still analysed (as a session restores it) snaps to the
    // beats found; the session saves to the same bytes whatever hash seed a run gets.
    void loopSnapsToBeatsFoundLaterAndSavesTheSame()
    {
        const QString track = m_dir.path() + "/analysed.wav";
        QVERIFY(QFile::copy(m_track, track));
        Window win;
        QCOMPARE(win.w.open(track), 0);
        PlotSelection *loop = win.plotter()->plotSelection();
        loop->setStart(120);
        loop->setEnd(300);
        QVERIFY(win.w.metaDataThread()->wait(120000));
        QCoreApplication::processEvents();
        QVERIFY(loop->startBeat() < loop->endBeat());
        buildRiff(win.jam(), 2);
        const QByteArray first = win.w.currentSession().toXml();
        for (int run = 0; run < 24; ++run) {
            qSetGlobalQHashSeed(run == 0 ? 0 : -1);
            QCOMPARE(win.w.currentSession().toXml(), first);
        }
    }

    // A session whose audio file does not open is not applied: the window, the recent
    // files and the session file stay as they were.
    void sessionWithoutItsAudioIsNotApplied()
    {
        Window win;
        QCOMPARE(win.w.open(m_track), 0);
        win.saveAnswer = m_dir.path() + "/first.pq";
        win.w.saveSessionFileAs();
        SessionDocument other;
        QVERIFY(other.parse(readAll(m_dir.path() + "/first.pq")));
        other.setValue("fileName", m_dir.path() + "/gone.wav");
        other.setValue("currentTab", "2");
        other.setValue("looped", "1");
        QVERIFY(writeFile(m_dir.path() + "/other.pq", other.toXml()));
        const QStringList recent = win.w.recentFiles();

        win.w.pathsManager()->setSessionFile(m_dir.path() + "/other.pq");
        win.w.loadSession(true);
        QCOMPARE(win.messages.size(), 1); // "File not found!", answered with Cancel
        QCOMPARE(win.w.pathsManager()->sessionFile(), m_dir.path() + "/first.pq");
        QCOMPARE(win.w.pathsManager()->lastFile(), m_track);
        QCOMPARE(win.w.recentFiles(), recent);
        QCOMPARE(win.w.tabWidget()->stack()->currentIndex(), 0);
        QVERIFY(!win.w.audioPlayer()->isLooping());
        QVERIFY(win.w.isTrackLoaded());
    }

    // A session whose audio file moved: the user picks it anew, and the session file is
    // written again at once with the new place.
    void relocatedAudioIsWrittenBack()
    {
        const QString moved = m_dir.path() + "/moved.wav";
        QVERIFY(QFile::copy(m_track, moved));
        {
            Window win;
            QCOMPARE(win.w.open(moved), 0);
            // No saving while its analysis runs.
            QVERIFY(win.w.metaDataThread()->wait(60000));
            QCoreApplication::processEvents();
            win.saveAnswer = m_dir.path() + "/moved.pq";
            win.w.saveSessionFileAs();
        }
        QVERIFY(QFile::remove(moved));
        Window win;
        win.w.setMessageBoxHook([&win](QMessageBox::Icon, const QString &title, const QString &,
                                       QMessageBox::StandardButtons, QMessageBox::StandardButton) {
            win.messages << title;
            return QMessageBox::Ok; // "File not found!": pick the file by hand
        });
        win.openAnswer = m_track;
        win.w.pathsManager()->setSessionFile(m_dir.path() + "/moved.pq");
        win.w.loadSession(true);
        QCOMPARE(win.messages, QStringList({"File not found!"}));
        QVERIFY(win.w.isTrackLoaded());
        SessionDocument rewritten;
        QVERIFY(rewritten.parse(readAll(m_dir.path() + "/moved.pq")));
        QCOMPARE(rewritten.value("fileName"), m_track);
        QCOMPARE(win.w.recentFiles().value(0), m_dir.path() + "/moved.pq");
    }

    // A save that cannot be written is told, and does not become the session file;
    // the file it would have replaced is left whole.
    void failedSaveIsReported()
    {
        Window win;
        QCOMPARE(win.w.open(m_track), 0);
        win.saveAnswer = m_dir.path() + "/kept.pq";
        win.w.saveSessionFileAs();
        const QByteArray kept = readAll(m_dir.path() + "/kept.pq");
        QVERIFY(!kept.isEmpty());

        QVERIFY(writeFile(m_dir.path() + "/plain", "not a folder"));
        win.saveAnswer = m_dir.path() + "/plain/session.pq";
        win.w.saveSessionFileAs();
        QCOMPARE(win.messages.size(), 1);
        QVERIFY2(win.messages.first().startsWith("Cannot save session: "), qPrintable(win.messages.first()));
        QVERIFY(win.messages.first().contains("/plain/session.pq"));
        QCOMPARE(win.w.pathsManager()->sessionFile(), m_dir.path() + "/kept.pq");
        QCOMPARE(readAll(m_dir.path() + "/kept.pq"), kept);
        // No temporary file is left beside the session.
        QCOMPARE(QDir(m_dir.path()).entryList({"kept.pq*"}, QDir::Files), QStringList({"kept.pq"}));
    }

    void proposedName_data()
    {
        QTest::addColumn<QString>("audio");
        QTest::addColumn<QString>("proposal");
        QTest::newRow("mp3") << "/a/b/song.mp3" << "/s/song";
        QTest::newRow("aiff before aif") << "/a/take.aiff" << "/s/take";
        QTest::newRow("two extensions") << "/m/live.mp3.wav" << "/s/live";
        QTest::newRow("upper case kept") << "/m/LOUD.MP3" << "/s/LOUD.MP3";
        QTest::newRow("no folder") << "song.mp3" << "/s";
        QTest::newRow("no file") << "" << "/s";
    }
    void proposedName()
    {
        QFETCH(QString, audio);
        QFETCH(QString, proposal);
        QCOMPARE(MainWindow::proposedSessionPath("/s", audio), proposal);
    }

    // Typed names get ".pq" unless they end in it, whatever their folder or name holds.
    void typedNamesGetTheExtension()
    {
        Window win;
        QCOMPARE(win.w.open(m_track), 0);
        QVERIFY(QDir(m_dir.path()).mkpath("my.pqsessions"));
        for (const char *name : {"/mix", "/my.pqsessions/take1", "/take.pq.bak", "/my.pq.session"}) {
            win.saveAnswer = m_dir.path() + name;
            win.w.saveSessionFileAs();
            QCOMPARE(win.w.pathsManager()->sessionFile(), win.saveAnswer + ".pq");
            QVERIFY(QFileInfo(win.saveAnswer + ".pq").isFile());
        }
        win.saveAnswer = m_dir.path() + "/mix2.pq";
        win.w.saveSessionFileAs();
        QCOMPARE(win.w.pathsManager()->sessionFile(), win.saveAnswer);
    }

    // Files that are not sessions, or that lie, never crash the loader nor reach past
    // the six riffs of sixteen steps and the sixteen song slots. Files that are not
    // sessions at all leave the session file as it was.
    void hostileSessions_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("accepted");
        const QByteArray head = "<!DOCTYPE PQXML>\n<pqxml>\n";
        const QByteArray tail = "</pqxml>\n";
        QByteArray manySteps = head + "<riffsTab><riff id=\"0\"><riffLength>19</riffLength>"
                                      "<riffLengthMax>19</riffLengthMax>";
        for (int k = 0; k < 20; ++k)
            manySteps += "<step id=\"0\"><beat>" + QByteArray::number(k) + "</beat><state>2</state></step>";
        manySteps += "</riff><song><songLength>40</songLength><songLengthMax>40</songLengthMax>";
        for (int k = 0; k < 20; ++k)
            manySteps += "<step>" + QByteArray::number(k % 9 - 2) + "</step>";
        manySteps += "</song></riffsTab>" + tail;
        QTest::newRow("not xml") << QByteArray("this is not a session") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe<pqxml>", 10) << false;
        QTest::newRow("upper-case root") << QByteArray(head).replace("pqxml", "PQXML") + "</PQXML>" << false;
        QTest::newRow("unclosed") << head + "<looped>1</looped>" << false;
        QTest::newRow("other doctype") << QByteArray("<!DOCTYPE X><pqxml><currentTab>2</currentTab></pqxml>") << true;
        QTest::newRow("riff id 7") << head + "<riffsTab><riff id=\"7\"><riffLengthMax>3</riffLengthMax>"
                                             "<step><beat>1</beat><state>2</state></step></riff>"
                                             "<riff id=\"-1\"><step><beat>1</beat><state>2</state></step></riff>"
                                             "</riffsTab>" + tail
                                   << true;
        QTest::newRow("20 steps") << manySteps << true;
        // Empty riffs as their first-step marker: state 2 on beat 0, a length of nothing.
        QByteArray markers = head + "<riffsTab>";
        for (int r = 0; r < 6; ++r)
            markers += "<riff id=\"" + QByteArray::number(r) + "\"><riffLength>0</riffLength><riffLengthMax>0"
                       "</riffLengthMax><step id=\"0\"><beat>0</beat><state>2</state></step></riff>";
        QTest::newRow("empty riff markers") << markers + "</riffsTab>" + tail << true;
        QTest::newRow("missing beats") << head + "<riffsTab><riff id=\"1\"><riffLengthMax>2</riffLengthMax>"
                                                 "<step><state>2</state></step><step><state>2</state>"
                                                 "<beat></beat></step></riff></riffsTab>" + tail
                                       << true;
        QTest::newRow("beyond the track") << head + "<riffsTab><riff id=\"1\"><riffLengthMax>1</riffLengthMax>"
                                                    "<step><beat>2147483647</beat><state>2</state>"
                                                    "<startSample>-5</startSample></step></riff></riffsTab>"
                                                    "<playbackPos>99999999999</playbackPos>" + tail
                                          << true;
        QByteArray bomb = "<!DOCTYPE PQXML [<!ENTITY e0 \"session session \">";
        for (int i = 1; i < 10; ++i)
            bomb += "<!ENTITY e" + QByteArray::number(i) + " \"" + QByteArray("&e" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
        bomb += "]>\n<pqxml><fileName>&e9;</fileName></pqxml>\n";
        QTest::newRow("entity bomb") << bomb << false;
        QTest::newRow("deep nesting") << head + QByteArray(24, '<').replace("<", "<a>") +
                                               QByteArray(24, '<').replace("<", "</a>") + tail
                                      << true;
        // What no session holds is refused at once, in little memory: thirty thousand
        // levels, one large entity used two thousand times, a FIFO that nobody writes.
        QTest::newRow("30000 levels") << head + QByteArray(30000, '<').replace("<", "<a>") +
                                               QByteArray(30000, '<').replace("<", "</a>") + tail
                                      << false;
        QTest::newRow("large entity used 2000 times")
            << "<!DOCTYPE PQXML [<!ENTITY big \"" + QByteArray(100 * 1024, 'x') + "\">]>\n<pqxml><fileName>" +
                   QByteArray("&big;").repeated(2000) + "</fileName></pqxml>\n"
            << false;
        QTest::newRow("FIFO") << QByteArray("@FIFO@") << false;
        // Within the size cap, more than our writer ever puts in a session.
        auto upToTheCap = [&](const QByteArray &unit) {
            return head + unit.repeated(int((SessionDocument::maximumFileBytes - 64) / unit.size())) + tail;
        };
        auto oneElement = [&](const char *attribute) {
            QByteArray xml = head + "<fileName";
            for (int i = 0; i < 200000; ++i)
                xml += attribute + QByteArray::number(i) + "=\"u\"";
            return xml + ">x</fileName>" + tail;
        };
        QTest::newRow("200000 attributes on one element") << oneElement(" a") << false;
        QTest::newRow("200000 namespace declarations") << oneElement(" xmlns:a") << false;
        QTest::newRow("4000-deep subtrees") << upToTheCap(QByteArray("<a>").repeated(4000) + QByteArray("</a>").repeated(4000)) << false;
        QTest::newRow("a million elements") << upToTheCap("<a/>") << false;
        // Every number of a full session replaced by texts that read as floats but not
        // as sane values.
        for (const char *number : {"nan", "inf", "-inf", "1e300", "-1e300", "2147483648", "-2147483649", "0x10"})
            QTest::newRow(number) << QByteArray("@FULL@") + number << true;
    }
    void hostileSessions()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, accepted);
        Window win;
        QCOMPARE(win.w.open(m_track), 0);
        win.saveAnswer = m_dir.path() + "/good.pq";
        win.w.saveSessionFileAs();
        if (text.startsWith("@FULL@")) {
            const QByteArray number = text.mid(6);
            QString full = QString::fromUtf8(readAll(m_dir.path() + "/good.pq"));
            full.replace(QRegularExpression(">-?[0-9.]+<"), ">" + QString::fromLatin1(number) + "<");
            text = full.toUtf8();
        }
        const QString hostile = m_dir.path() + "/hostile.pq";
        QFile::remove(hostile);
        if (text == "@FIFO@")
            QCOMPARE(mkfifo(QFile::encodeName(hostile).constData(), 0600), 0);
        else
            QVERIFY(writeFile(hostile, text));
        QVERIFY(text.size() <= SessionDocument::maximumFileBytes);
        const QByteArray kept = win.w.currentSession().toXml();
        win.w.pathsManager()->setSessionFile(hostile);
        win.w.loadSession(true);
        QCOMPARE(win.w.pathsManager()->sessionFile(), accepted ? hostile : m_dir.path() + "/good.pq");
        // A refused file is told, once, and changes nothing.
        QCOMPARE(win.messages.filter(QStringLiteral("Cannot load session: ")).size(), accepted ? 0 : 1);
        if (!accepted)
            QCOMPARE(win.w.currentSession().toXml(), kept);

        // Whatever the file said, the window holds what it can hold.
        for (int r = 0; r < JamTab::riffCount; ++r) {
            BeatSelection *strip = win.plotter()->beatSelection(r);
            QVERIFY(strip->lastStep() >= -1 && strip->lastStep() <= 15);
            QVERIFY(strip->lastBeatIndex() <= strip->lastStep());
            for (int k = 0; k <= strip->lastStep(); ++k) {
                QVERIFY(strip->stepBeat(k) >= 0 && strip->stepBeat(k) < 24);
                QVERIFY(strip->stepPitch(k) >= 0.5f && strip->stepPitch(k) <= 2.0f);
            }
        }
        for (int s = 0; s < 16; ++s)
            QVERIFY(win.jam()->songSlots()->at(s) >= -1 && win.jam()->songSlots()->at(s) <= 5);
        const float zoom = win.plotter()->getZoomFactor();
        QVERIFY(std::isfinite(zoom) && zoom > 0.0f && zoom <= 1.0f);
        QVERIFY(win.w.audioPlayer()->playPosition() >= 0 && win.w.audioPlayer()->playPosition() <= trackFrames);
        QVERIFY(win.w.tabWidget()->stack()->currentIndex() >= 0);
        QVERIFY(win.w.isTrackLoaded());
        QCOMPARE(win.w.pathsManager()->lastFile(), m_track);
        if (QByteArray(QTest::currentDataTag()) == "20 steps") {
            QCOMPARE(win.plotter()->beatSelection(0)->lastStep(), 15);
            QCOMPARE(win.plotter()->beatSelection(0)->stepBeat(15), 15);
        }
        if (QByteArray(QTest::currentDataTag()) == "riff id 7")
            QCOMPARE(win.plotter()->beatSelection(0)->lastStep(), -1);
        if (QByteArray(QTest::currentDataTag()) == "empty riff markers") {
            for (int r = 0; r < JamTab::riffCount; ++r)
                QCOMPARE(win.plotter()->beatSelection(r)->lastStep(), -1);
        }
        // And it still saves a well-formed session.
        win.w.saveSessionFile();
        SessionDocument again;
        QVERIFY(again.parse(readAll(win.w.pathsManager()->sessionFile())));
    }

    // What the user made is never lost on the way: a one-step riff on the first beat comes
    // back from its file (while an old file's marker of an empty riff still reads empty).
    void oneStepRiffOnTheFirstBeatComesBack()
    {
        const QString session = m_dir.path() + "/first-beat.pq";
        {
            Window win;
            QCOMPARE(win.w.open(m_track), 0);
            buildRiff(win.jam(), 1);
            win.saveAnswer = session;
            win.w.saveSessionFileAs();
        }
        Window win;
        win.openAnswer = session;
        win.w.loadSession();
        QCOMPARE(win.plotter()->beatSelection(0)->lastStep(), 0);
        QCOMPARE(win.plotter()->beatSelection(0)->stepBeat(0), 0);
        // No selection comes back as none: playing from it starts at the track's start.
        QCOMPARE(win.plotter()->plotSelection()->startSample(), 0);
    }

    // A file the decoder cannot start on (missing, no regular file, no sound) or too short,
    // opened or named by a session, is refused: the track, riffs, song and session stay.
    void refusedFilesKeepTheLoadedTrack()
    {
        Window win;
        QCOMPARE(win.w.open(m_track), 0);
        buildRiff(win.jam(), 2);
        win.jam()->songStep()->setRiffFromMenu(0, 0);
        win.saveAnswer = m_dir.path() + "/kept-track.pq";
        win.w.saveSessionFileAs();
        const QByteArray before = win.w.currentSession().toXml();
        const QString fifo = m_dir.path() + "/pipe.wav";
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QDir().mkpath(m_dir.path() + "/folder.wav"));
        QVERIFY(writeFile(m_dir.path() + "/junk.mp3", QByteArray(40000, '\x5a')));
        // A header that announces 4 GB of audio, over a sparse file.
        QByteArray huge("RIFF\xff\xff\xff\xffWAVEfmt \x10\0\0\0\x01\0\x02\0\x44\xac\0\0\x10\xb1\x02\0\x04\0\x10\0"
                        "data\0\xff\xff\xff", 44);
        QFile hugeFile(m_dir.path() + "/huge.wav");
        QVERIFY(hugeFile.open(QIODevice::WriteOnly) && hugeFile.write(huge) == 44 && hugeFile.resize(0xFFFFFF2Cll));
        hugeFile.close();
        QVERIFY(writePcm16Wav(m_dir.path() + "/short.wav", QByteArray(44100 * 4, '\x10'), 2));
        SessionDocument shortSession = win.w.currentSession();
        shortSession.setValue("fileName", m_dir.path() + "/short.wav");
        QVERIFY(writeFile(m_dir.path() + "/short.pq", shortSession.toXml()));
        for (const char *name : {"/missing.wav", "/pipe.wav", "/folder.wav", "/junk.mp3", "/huge.wav", "/short.wav",
                                 "/short.pq"}) {
            win.w.openPath(m_dir.path() + name, true);
            QVERIFY(win.w.isTrackLoaded() && !win.plotter()->isHidden());
            QCOMPARE(win.w.pathsManager()->sessionFile(), win.saveAnswer);
            QCOMPARE(win.w.currentSession().toXml(), before);
        }
        QCOMPARE(win.messages.size(), 7);
        QVERIFY(win.messages[4].contains("File too large!"));
        QVERIFY(win.messages.last().contains("File too small!"));
        // Refused while it plays: it stops where it played, not back at the start.
        win.w.audioPlayer()->play();
        win.w.audioPlayer()->setPlayPosition(44100);
        QVERIFY(win.w.audioPlayer()->isPlaying());
        win.w.openPath(m_dir.path() + "/short.wav", true);
        QVERIFY(!win.w.audioPlayer()->isPlaying() && win.w.audioPlayer()->playPosition() >= 44100);
    }

    // Quitting, or relaunching for another language, asks before riffs or a song that no
    // session holds are lost (Cancel stays, Save saves, Discard goes); nothing else asks.
    void quitAsksBeforeUnsavedRiffsAreLost()
    {
        const QString session = m_dir.path() + "/on-quit.pq";
        {
            Window win;
            QStringList launched;
            win.w.preferencesMenu()->languageTab()->setLauncher([&launched](const QString &program) {
                launched << program;
                return true;
            });
            QCOMPARE(win.w.open(m_track), 0);
            QVERIFY(!win.w.riffsAndSongUnsaved());
            buildRiff(win.jam(), 2);
            relaunchInAnotherLanguage(win.w);
            QCOMPARE(win.messages.size(), 1);
            QVERIFY(win.messages[0].startsWith("Unsaved riffs: "));
            QVERIFY(launched.isEmpty() && win.w.isVisible());
            // No session yet: Save asks for a name, then the relaunch goes on.
            win.answer = QMessageBox::Save;
            win.saveAnswer = session;
            relaunchInAnotherLanguage(win.w);
            QCOMPARE(launched.size(), 1);
            QVERIFY(!win.w.isVisible());
            QCOMPARE(win.messages.size(), 2);
        }
        Window win;
        win.openAnswer = session;
        win.w.loadSession();
        QCOMPARE(win.plotter()->beatSelection(0)->lastStep(), 1);
        QVERIFY(!win.w.riffsAndSongUnsaved());
        win.jam()->songStep()->setRiffFromMenu(0, 3);
        QVERIFY(!win.w.close());
        win.answer = QMessageBox::Discard;
        QVERIFY(win.w.close());
        QCOMPARE(win.messages.size(), 2);
    }
};

QTEST_MAIN(TestSessions)
#include "tst_sessions.moc"
