// The other ways a file reaches the window: the command line, drag and drop, the
// desktop's file-open event, and the start-up conversion of old plain analysis caches.
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/pathsmanager.h"
#include "app/tabwidget.h"
#include "metadata/analysiscache.h"
#include "metadata/cipher.h"
#include "metadata/metadatathread.h"

#include "../pcmwav.h"
#include "freshhome.h"

#include <QDir>
#include <QFileOpenEvent>
#include <QMenu>
#include <QMimeData>
#include <QStackedWidget>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool writeTrack(const QString &path)
{
    return writePcm16Wav(path, QByteArray(150000 * 4, '\x10'), 2);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestWaysIn : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QStringList m_messages;

    void attach(MainWindow &window)
    {
        window.setMessageBoxHook([this](QMessageBox::Icon, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons, QMessageBox::StandardButton) {
            m_messages << title + " | " + text;
            return QMessageBox::Ok;
        });
        window.setFileDialogHook([](const QString &, const QString &, const QString &) { return QString(); });
        // The start timer would open the test runner's own arguments.
        window.startTimer()->stop();
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Runs the queued opens and lets an analysis end, so that the next open is not refused.
    static void settle(MainWindow &window)
    {
        QCoreApplication::processEvents();
        window.metaDataThread()->wait();
        QCoreApplication::processEvents();
    }

    // A drag over the window, entering then moving: true when the window takes it.
    static bool dragOver(MainWindow &window, QMimeData &mime)
    {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        QDragMoveEvent move(QPoint(12, 12), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &move);
        if (enter.isAccepted() != move.isAccepted())
            qWarning("drag enter and drag move disagree");
        return enter.isAccepted();
    }

    static bool dragAccepted(MainWindow &window, const QList<QUrl> &urls)
    {
        QMimeData mime;
        mime.setUrls(urls);
        return dragOver(window, mime);
    }

    // A drop reaches the window only after a drag it accepted, as from a file manager.
    static void drop(MainWindow &window, const QList<QUrl> &urls)
    {
        QMimeData mime;
        mime.setUrls(urls);
        dragOver(window, mime);
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    }

private slots:
    void initTestCase()
    {
        startFromAFreshHome();
        QVERIFY(m_dir.isValid());
    }

    void init() { m_messages.clear(); }

    void commandLineNames()
    {
        QCOMPARE(MainWindow::commandLineName({"plectronome"}), QString());
        QCOMPARE(MainWindow::commandLineName({"plectronome", "My", "Song.mp3"}), QString("My Song.mp3"));
        QCOMPARE(MainWindow::commandLineName({"p", "/m/v1.2/Old", "Take", "Two.wav", "extra.wav"}),
                 QString("/m/v1.2/Old Take Two.wav"));
        QCOMPARE(MainWindow::commandLineName({"p", "noextension"}), QString("noextension"));

        QCOMPARE(MainWindow::fileKind("/a/B.MP3"), MainWindow::AudioFile);
        QCOMPARE(MainWindow::fileKind("/a/take.one.Aif"), MainWindow::AudioFile);
        QCOMPARE(MainWindow::fileKind("/a/practice.PQ"), MainWindow::SessionFile);
        QCOMPARE(MainWindow::fileKind("/a/song.pqm"), MainWindow::UnsupportedFile);
        QCOMPARE(MainWindow::fileKind("/a.wav/readme"), MainWindow::UnsupportedFile);
        QCOMPARE(MainWindow::fileKind("/a/song.mp3.txt"), MainWindow::UnsupportedFile);
    }

    void commandLineOpensTheJoinedName()
    {
        QVERIFY(QDir(m_dir.path()).mkpath("v1.2"));
        const QString track = path("v1.2/My Song.WAV");
        QVERIFY(writeTrack(track));
        MainWindow window;
        attach(window);

        // No argument: nothing happens.
        window.setCommandLine({"plectronome"});
        QMetaObject::invokeMethod(&window, "delayedLoad");
        QVERIFY(!window.isTrackLoaded());
        QVERIFY(m_messages.isEmpty());

        // Unsupported names are told, and nothing loads.
        for (const QString &name : {QString("notes.txt"), QString("song.pqm"), QString("Song")}) {
            window.setCommandLine({"plectronome", name});
            QMetaObject::invokeMethod(&window, "delayedLoad");
        }
        QCOMPARE(m_messages.size(), 3);
        QVERIFY(m_messages[0].startsWith("Cannot load file | Selected file is not supported."));
        QVERIFY(!window.isTrackLoaded());

        // A path split at its space, relative to the working folder, opens whole.
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        window.setCommandLine({"plectronome", "v1.2/My", "Song.WAV"});
        QMetaObject::invokeMethod(&window, "delayedLoad");
        QDir::setCurrent(before);
        settle(window);
        QVERIFY(window.isTrackLoaded());
        QCOMPARE(window.pathsManager()->lastFile(), track);
        QCOMPARE(m_messages.size(), 3);
    }

    void dragAndDrop()
    {
        const QString upper = path("Riff Take.AIF");
        const QString other = path("second.wav");
        QVERIFY(writeTrack(upper));
        QVERIFY(writeTrack(other));
        MainWindow window;
        attach(window);
        QVERIFY(window.acceptDrops());

        const QUrl web("https://example.org/song.mp3");
        const QUrl notes = QUrl::fromLocalFile(path("notes.txt"));
        const QUrl cache = QUrl::fromLocalFile(path("song.pqm"));
        const QUrl session = QUrl::fromLocalFile(path("practice.pq"));
        // Nothing that opens: refused.
        QVERIFY(!dragAccepted(window, {web, notes, cache}));
        QVERIFY(!dragAccepted(window, {}));
        // One file that opens among others is enough; so is a session.
        QVERIFY(dragAccepted(window, {web, notes, QUrl::fromLocalFile(upper)}));
        QVERIFY(dragAccepted(window, {session}));

        // The drop opens the first file that opens, by its own (case-kept) path.
        drop(window, {web, notes, QUrl::fromLocalFile(upper), QUrl::fromLocalFile(other)});
        QVERIFY(!window.isTrackLoaded()); // not inside the drop itself
        settle(window);
        QVERIFY(window.isTrackLoaded());
        QCOMPARE(window.pathsManager()->lastFile(), upper);

        // A drop of nothing that opens changes nothing, and says nothing.
        drop(window, {web, notes, cache});
        settle(window);
        QCOMPARE(window.pathsManager()->lastFile(), upper);
        QVERIFY(m_messages.isEmpty());

        // A dropped session goes to the session loader, which takes it once it proves
        // to be a session (here one of the open track on the chord viewer's tab).
        QFile sessionFile(path("practice.pq"));
        QVERIFY(sessionFile.open(QIODevice::WriteOnly));
        sessionFile.write("<!DOCTYPE PQXML>\n<pqxml>\n <currentTab>2</currentTab>\n</pqxml>\n");
        sessionFile.close();
        drop(window, {session});
        settle(window);
        QCOMPARE(window.pathsManager()->sessionFile(), path("practice.pq"));
        QCOMPARE(window.tabWidget()->stack()->currentIndex(), 2);
    }

    // Names that are not there (any more) are passed over for the next one that opens;
    // a drop where none is there says so.
    void aDropOpensTheFirstFileThatIsThere()
    {
        const QString song = path("dropped song.wav");
        QVERIFY(writeTrack(song));
        MainWindow window;
        attach(window);
        const QUrl missingSession = QUrl::fromLocalFile(path("missing.pq"));
        const QUrl missingTrack = QUrl::fromLocalFile(path("gone.wav"));
        drop(window, {QUrl::fromLocalFile(path("ok.txt")), missingSession, QUrl::fromLocalFile(song)});
        settle(window);
        QVERIFY(window.isTrackLoaded());
        QCOMPARE(window.pathsManager()->lastFile(), song);
        QVERIFY(m_messages.isEmpty());

        drop(window, {missingSession, missingTrack});
        settle(window);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0], "File not found! | None of the dropped files could be found:<br />" + path("missing.pq")
                                    + "<br />" + path("gone.wav"));
        QCOMPARE(window.pathsManager()->lastFile(), song);
        QVERIFY(window.isTrackLoaded());
    }

    void fileOpenEvents()
    {
        const QString track = path("opened.flac.wav");
        QVERIFY(writeTrack(track));
        MainWindow window;
        attach(window);
        QFileOpenEvent cache(path("cache.pqm"));
        QCoreApplication::sendEvent(qApp, &cache);
        settle(window);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(window.pathsManager()->sessionFile().isEmpty());
        QFileOpenEvent audio(track);
        QCoreApplication::sendEvent(qApp, &audio);
        settle(window);
        QCOMPARE(window.pathsManager()->lastFile(), track);
        QVERIFY(window.isTrackLoaded());
    }

    // A way in that names a missing file changes nothing: the track loaded stays the one a
    // session save names, so "Save Session" after the refusal writes what it wrote before.
    void aMissingFileLeavesTheLastFileAndTheSession()
    {
        const QString track = path("kept.wav");
        QVERIFY(writeTrack(track));
        MainWindow window;
        attach(window);
        window.setSaveDialogHook([this](const QString &, const QString &, const QStringList &filters) {
            return MainWindow::SaveFileChoice{path("kept.pq"), filters.value(0)};
        });
        QVERIFY(window.openPath(track, true));
        settle(window);
        window.saveSessionFileAs();
        const QByteArray saved = readAll(path("kept.pq"));
        const QString gone = path("gone/missing.wav");
        window.setCommandLine({"plectronome", gone});
        QMetaObject::invokeMethod(&window, "delayedLoad");
        window.setRecentFiles({gone});
        window.loadRecent(window.recentFilesMenu()->actions().value(0));
        QFileOpenEvent event(gone);
        QCoreApplication::sendEvent(qApp, &event);
        settle(window);
        QCOMPARE(m_messages.size(), 3); // "File not found!" each time
        QCOMPARE(window.pathsManager()->lastFile(), track);
        window.saveSessionFile();
        QCOMPARE(readAll(path("kept.pq")), saved);
    }

    // The window watches the whole application once: a file-open event sent to the window
    // itself opens its file once.
    void aFileOpenEventToTheWindowOpensOnce()
    {
        MainWindow window;
        attach(window);
        QFileOpenEvent event(path("nowhere/missing.wav"));
        QCoreApplication::sendEvent(&window, &event);
        settle(window);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].startsWith("File not found!"));
    }

    void oldCachesAreEncipheredOnce()
    {
        const QString metadata = dataFolderPath + "/metadata";
        QVERIFY(QDir().mkpath(metadata));
        const QByteArray plain = composeAnalysisCacheText("/music/old song.mp3", {1000.f, 23050.f, 45100.f},
                                                          {"Am", "C", "G"}, {"Am", "C", "G"}, 120.f);
        const QString old = metadata + "/old song.pqm";
        const QString junk = metadata + "/junk.pqm";
        const QString other = metadata + "/fileName.txt";
        for (const auto &file : {std::make_pair(old, plain + "\n"), std::make_pair(junk, QByteArray("fileName: x")),
                                 std::make_pair(other, plain)}) {
            QFile f(file.first);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(file.second);
        }
        const QString huge = metadata + "/huge.pqm";
        {
            QFile f(huge);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(plain);
            f.write(QByteArray(int(maximumCacheFileBytes), ' '));
        }
        const QByteArray hugeBytes = readAll(huge);

        // The window converts at start; a second run finds nothing left to convert.
        {
            MainWindow window;
            attach(window);
        }
        const QByteArray converted = readAll(old);
        QVERIFY(!converted.contains("fileName"));
        Cipher cipher(analysisCacheKey);
        QCOMPARE(cipher.decryptText(QString::fromUtf8(converted)), QString::fromUtf8(plain));
        QCOMPARE(MainWindow::convertPlainCacheFiles(dataFolderPath), 0);
        QCOMPARE(readAll(old), converted);
        // Not caches, or too large: left as they are.
        QCOMPARE(readAll(junk), QByteArray("fileName: x"));
        QCOMPARE(readAll(other), plain);
        QCOMPARE(readAll(huge), hugeBytes);
        for (const QString &name : QDir(metadata).entryList(QDir::Files | QDir::Hidden))
            QVERIFY2(name.endsWith(".pqm") || name.endsWith(".txt"), qPrintable(name));
    }
};

QTEST_MAIN(TestWaysIn)
#include "tst_waysin.moc"
