// Settings of the main window and the program folders: defaults with no settings, a
// round trip through a second window, the screen rule, stored lists with stray entries,
// and copying the folders to a new save location.
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/pathsmanager.h"
#include "app/tabwidget.h"
#include "preferences/languagetab.h"
#include "preferences/preferencesmenu.h"
#include "preferences/shortcutstab.h"
#include "tests/eventually.h"
#include "views/chords/necktypewidget.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

QString musicFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers every box of the window with OK, keeps their texts, and lets queued notices come.
void recordMessages(MainWindow &window, QStringList &texts)
{
    window.setMessageBoxHook([&texts](QMessageBox::Icon, const QString &, const QString &text,
                                      QMessageBox::StandardButtons, QMessageBox::StandardButton) {
        texts << text;
        return QMessageBox::Ok;
    });
    QTest::qWait(50);
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QString());
        dataFolderPath = QStandardPaths::writableLocation(QStandardPaths::DataLocation) + "/Plectronome";
    }

    void init()
    {
        // Removed first: a damaged store left by an earlier run cannot even be cleared.
        QFile::remove(QSettings("Quillfen", "Plectronome").fileName());
        QSettings("Quillfen", "Plectronome").clear();
    }

    void settingsLiveInTheNativeStore()
    {
        QSettings settings("Quillfen", "Plectronome");
        QCOMPARE(settings.format(), QSettings::NativeFormat);
        QCOMPARE(settings.fileName(),
                 QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                     + "/Quillfen/Plectronome.conf");
    }

    void defaultsWithNoSettings()
    {
        MainWindow window;
        PathsManager *paths = window.pathsManager();
        QCOMPARE(paths->saveLocation(), dataFolderPath);
        QCOMPARE(paths->sessionsFolder(), dataFolderPath + "/sessions");
        QCOMPARE(paths->openDialogFolder(), musicFolder());
        QVERIFY(paths->lastFile().isEmpty());
        // No stored screen count (0) never matches the screens present.
        QCOMPARE(window.pos(), QPoint(0, 0));
        QVERIFY(window.recentFiles().isEmpty());
        QVERIFY(!window.recentFilesMenu()->isEnabled());
        QCOMPARE(window.preferencesMenu()->pathsTab()->savePath(), dataFolderPath);
        for (const QString &sub : PathsManager::subFolders())
            QVERIFY2(QFileInfo(dataFolderPath + sub).isDir(), qPrintable(sub));
    }

    void roundTripThroughASecondWindow()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString saveBase = dir.filePath("saves");
        const QString audioFolder = dir.filePath("audio");
        const QStringList recent = {"/music/one.mp3", QString::fromUtf8("/music/tw\xc3\xb6 & three.flac"),
                                    "/music/four.wav"};
        {
            MainWindow window;
            window.setRecentFiles(recent);
            window.pathsManager()->setLastFile("/music/one.mp3");
            window.pathsManager()->updatePaths(audioFolder, saveBase);
            window.preferencesMenu()->pathsTab()->applyOpenBehaviour(true, audioFolder);
            window.tabWidget()->chordsTab()->neckTypeWidget()->setNeckType(2);
            window.writeSettings();
        }
        {
            QSettings settings("Quillfen", "Plectronome");
            settings.beginGroup("MainWindow");
            QCOMPARE(settings.value("recent files").toStringList(), recent);
            QCOMPARE(settings.value("file path").toString(), QString("/music/one.mp3"));
            QCOMPARE(settings.value("save location").toString(), saveBase);
            QCOMPARE(settings.value("always open folder string").toString(), audioFolder);
            QCOMPARE(settings.value("always open folder bool").toBool(), true);
            QCOMPARE(settings.value("neck type").toInt(), 2);
            QCOMPARE(settings.value("screen count").toInt(), QGuiApplication::screens().size());
            QCOMPARE(settings.value("version").toString(), QString("1.6.0.0"));
            QVERIFY(settings.contains("volume"));
            QVERIFY(settings.contains("audio device"));
        }
        MainWindow second;
        QCOMPARE(second.recentFiles(), recent);
        QVERIFY(second.recentFilesMenu()->isEnabled());
        QCOMPARE(second.pathsManager()->lastFile(), QString("/music/one.mp3"));
        QCOMPARE(second.pathsManager()->saveLocation(), saveBase);
        QCOMPARE(second.pathsManager()->sessionsFolder(), saveBase + "/sessions");
        QCOMPARE(second.pathsManager()->openDialogFolder(), audioFolder);
        QCOMPARE(second.preferencesMenu()->pathsTab()->savePath(), saveBase);
        QVERIFY(second.preferencesMenu()->pathsTab()->alwaysOpenChecked());
        QCOMPARE(second.tabWidget()->chordsTab()->neckTypeWidget()->neckType(), 2);
    }

    // A damaged or hostile settings store never stops the start: what cannot be read or
    // is not valid gives the default, a store that cannot be read is kept aside with one
    // notice, and the next start is clean.
    void hostileSettingsNeverStopTheStart_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("setAside");
        // A serialised string list that claims 2^31 - 1 entries.
        const QByteArray bomb = "@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)";
        QTest::newRow("recent files claiming 2^31 entries")
            << QByteArray("[MainWindow]\nneck%20type=2\nrecent%20files=" + bomb + "\n") << true;
        QTest::newRow("a bomb in a key of its own")
            << QByteArray("[MainWindow]\nfoo=" + bomb + "\n") << true;
        QTest::newRow("garbage values")
            << QByteArray("[MainWindow]\nsave%20location=relative/folder\nneck%20type=-5\nscreen%20count=zz\n"
                          "pos=@Rect(1 2 3 4)\nfile%20path=no/root\nrecent%20files=@Point(1 1)\n"
                          "always%20open%20folder%20string=@ByteArray(\\0\\0)\nedited%20shortcuts="
                          + QByteArray("\xc2\xa7\xc2\xa7, ").repeated(ShortcutsTab::commandCount - 1) + "x\n")
            << false;
        QTest::newRow("save location is a FIFO") << QByteArray("[MainWindow]\nsave%20location=FIFO\n") << false;
        QTest::newRow("not an ini file at all") << QByteArray::fromHex("00fffe5b5b5b3d0a013d020a") << false;
        // Damage outside the groups the window reads: writing the store back parses every group.
        QTest::newRow("a bomb in [General]") << QByteArray("foo=" + bomb + "\n[MainWindow]\nneck%20type=2\n") << true;
        QTest::newRow("a bomb in another group, quoted, behind spaces")
            << QByteArray("[MainWindow]\nneck%20type=2\n[Other]\nx=  \"" + bomb + "\"  \n") << true;
        QTest::newRow("a bomb spelled with escapes, as a list's item")
            << QByteArray("[Other]\nx=a, \\x40Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n") << true;
        QTest::newRow("lists nested 200000 deep")
            << QByteArray("[Other]\nx=@Variant(" + QByteArray("\\0\\0\\0\\t\\0\\0\\0\\x1").repeated(200000) + ")\n")
            << true;
        QTest::newRow("stored objects that read cleanly")
            << QByteArray("[Other]\nvolume=@Variant(\\0\\0\\0\\x87?}p\\xa4)\nlist=@Variant(\\0\\0\\0\\t\\0\\0\\0\\x1"
                          "\\0\\0\\0\\n\\0\\0\\0\\x2\\0x)\n")
            << false;
    }

    void hostileSettingsNeverStopTheStart()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, setAside);
        QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        ini.replace("=FIFO", "=" + fifo.toUtf8());
        const QString file = QSettings("Quillfen", "Plectronome").fileName();
        QFile::remove(file + ".damaged");
        QVERIFY(writeFile(file, ini));

        QStringList notices;
        {
            MainWindow window;
            recordMessages(window, notices);
            QCOMPARE(notices.size(), setAside ? 1 : 0);
            QCOMPARE(QFile::exists(file + ".damaged"), setAside);
            if (setAside)
                QVERIFY(notices.first().contains(file + ".damaged"));
            PathsManager *paths = window.pathsManager();
            QCOMPARE(paths->saveLocation(), dataFolderPath);
            QVERIFY(paths->lastFile().isEmpty());
            const int neck = window.tabWidget()->chordsTab()->neckTypeWidget()->neckType();
            QVERIFY(neck == 0 || (neck == 2 && !setAside));
            QVERIFY(window.recentFiles().isEmpty());
            QCOMPARE(window.preferencesMenu()->shortcutsTab()->loadShortcuts().size(), ShortcutsTab::commandCount);
            QVERIFY(!window.preferencesMenu()->shortcutsTab()->loadShortcuts().contains(QString::fromUtf8("\xc2\xa7\xc2\xa7")));
            window.close();
            window.writeSettings();
        }
        // What was written back reads cleanly: the next start says nothing.
        MainWindow again;
        QStringList later;
        recordMessages(again, later);
        QVERIFY(later.isEmpty());
        QCOMPARE(again.pathsManager()->saveLocation(), dataFolderPath);
    }

    // The program itself starts (and keeps running) with a bomb in both groups of its store.
    void theProgramStartsWithADamagedStore()
    {
        const QString file = QSettings("Quillfen", "Plectronome").fileName();
        QFile::remove(file + ".damaged");
        const QByteArray bomb = "@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)";
        QVERIFY(writeFile(file, "[Language]\nlanguage=" + bomb + "\n[MainWindow]\nrecent%20files=" + bomb + "\n"));
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(PLECTRONOME_PROGRAM, QStringList());
        QVERIFY(program.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(file + ".damaged"), eventuallyMs);
        QTest::qWait(1500);
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
        program.waitForFinished(10000);
        QFile::remove(file + ".damaged");
    }

    // The always-open folder is stored whether or not its box is ticked, and survives a
    // start and a close untouched.
    void theStoredAudioFolderSurvivesAClose()
    {
        QTemporaryDir dir;
        for (bool ticked : {false, true}) {
            {
                QSettings settings("Quillfen", "Plectronome");
                settings.setValue("MainWindow/always open folder bool", ticked);
                settings.setValue("MainWindow/always open folder string", dir.path());
            }
            {
                MainWindow window;
                window.writeSettings();
            }
            QSettings settings("Quillfen", "Plectronome");
            QCOMPARE(settings.value("MainWindow/always open folder string").toString(), dir.path());
            QCOMPARE(settings.value("MainWindow/always open folder bool").toBool(), ticked);
        }
    }

    // Settings that cannot be written (their folder is a file here) are told once. A
    // language that cannot be stored is told on the language page, with no relaunch.
    void unwritableSettingsAreToldOnce()
    {
        const QString file = QSettings("Quillfen", "Plectronome").fileName();
        const QString folder = QFileInfo(file).absolutePath();
        QVERIFY(QDir(folder).removeRecursively() && writeFile(folder, "no folder"));
        QStringList texts;
        QStringList boxes;
        bool launched = false;
        {
            MainWindow window;
            recordMessages(window, texts);
            window.writeSettings();
            window.writeSettings();
            QCOMPARE(texts.size(), 1);
            QVERIFY(texts[0].contains(file));

            LanguageTab *page = window.preferencesMenu()->languageTab();
            page->setLauncher([&launched](const QString &) { return launched = true; });
            for (QRadioButton *button : page->languageButtons()) {
                if (button->objectName() == "de")
                    button->click();
            }
            QTimer answer;
            QObject::connect(&answer, &QTimer::timeout, [&boxes] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    boxes << box->text();
                    for (QAbstractButton *button : box->buttons()) {
                        if (box->buttons().size() == 1 || button->text() == "Relaunch Now")
                            return button->click();
                    }
                }
            });
            answer.start(10);
            page->setLanguage();
            QVERIFY(!launched && window.isVisible());
        }
        QVERIFY(QFile::remove(folder));
        QCOMPARE(boxes.size(), 2);
        QVERIFY2(boxes[1].contains(file.toHtmlEscaped()), qPrintable(boxes[1]));
        QCOMPARE(texts.size(), 1);
    }

    void alwaysOpenWithoutRecentFilesUsesTheMusicFolder()
    {
        {
            QSettings settings("Quillfen", "Plectronome");
            settings.setValue("MainWindow/always open folder bool", true);
            settings.setValue("MainWindow/always open folder string", "/somewhere/else");
        }
        MainWindow window;
        QCOMPARE(window.pathsManager()->openDialogFolder(), musicFolder());
        QVERIFY(window.preferencesMenu()->pathsTab()->alwaysOpenChecked());
    }

    void strayRecentEntriesAreNeitherShownNorStored()
    {
        QSettings("Quillfen", "Plectronome")
            .setValue("MainWindow/recent files", QStringList() << "&Clear Recent" << "" << "/a.wav" << "Clear Recent"
                                                               << "/b.mp3");
        {
            MainWindow window;
            QCOMPARE(window.recentFiles(), QStringList() << "/a.wav" << "/b.mp3");
            QCOMPARE(window.recentFilesMenu()->actions().size(), 4);
            window.writeSettings();
        }
        QCOMPARE(QSettings("Quillfen", "Plectronome").value("MainWindow/recent files").toStringList(),
                 QStringList() << "/a.wav" << "/b.mp3");

        // After "Clear Recent" nothing is stored.
        {
            MainWindow window;
            window.clearRecent();
            window.writeSettings();
        }
        QVERIFY(QSettings("Quillfen", "Plectronome").value("MainWindow/recent files").toStringList().isEmpty());
    }

    void editedShortcutsOnlyWhenComplete()
    {
        QStringList keys = ShortcutsTab::defaultKeyMap().values();
        QCOMPARE(keys.size(), ShortcutsTab::commandCount);
        keys[0] = "CTRL+SHIFT+F9";
        QSettings("Quillfen", "Plectronome").setValue("MainWindow/edited shortcuts", keys);
        {
            MainWindow window;
            QCOMPARE(window.preferencesMenu()->shortcutsTab()->loadShortcuts(), keys);
            window.writeSettings();
        }
        QCOMPARE(QSettings("Quillfen", "Plectronome").value("MainWindow/edited shortcuts").toStringList(), keys);

        // A list of another length (an older version, a damaged store) leaves the defaults.
        QSettings("Quillfen", "Plectronome").setValue("MainWindow/edited shortcuts", QStringList(keys.mid(0, 20)));
        {
            MainWindow window;
            QCOMPARE(window.preferencesMenu()->shortcutsTab()->loadShortcuts(),
                     ShortcutsTab::defaultKeyMap().values());
        }
        QSettings("Quillfen", "Plectronome").setValue("MainWindow/edited shortcuts", keys + QStringList("F1"));
        {
            MainWindow window;
            QCOMPARE(window.preferencesMenu()->shortcutsTab()->loadShortcuts(),
                     ShortcutsTab::defaultKeyMap().values());
        }
    }

    void screenRule()
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        const QPoint inside = screen->geometry().topLeft() + QPoint(17, 23);
        QSettings("Quillfen", "Plectronome").setValue("MainWindow/pos", inside);
        QSettings("Quillfen", "Plectronome").setValue("MainWindow/screen count", QGuiApplication::screens().size());
        {
            MainWindow window;
            QCOMPARE(window.pos(), inside);
        }
        // Another number of screens, or a point on no screen: back to the origin.
        QSettings("Quillfen", "Plectronome").setValue("MainWindow/screen count", QGuiApplication::screens().size() + 1);
        {
            MainWindow window;
            QCOMPARE(window.pos(), QPoint(0, 0));
        }
        QSettings("Quillfen", "Plectronome").setValue("MainWindow/screen count", QGuiApplication::screens().size());
        QSettings("Quillfen", "Plectronome").setValue("MainWindow/pos", QPoint(-50000, -50000));
        {
            MainWindow window;
            QCOMPARE(window.pos(), QPoint(0, 0));
        }
    }

    void pathsFollowTheLastFile()
    {
        PathsManager paths;
        QCOMPARE(paths.openDialogFolder(), QString());
        paths.setLastFile("/music/albums/song.mp3");
        QCOMPARE(paths.lastFile(), QString("/music/albums/song.mp3"));
        QCOMPARE(paths.openDialogFolder(), QString("/music/albums"));
        paths.setAlwaysOpenFolder("/fixed");
        QCOMPARE(paths.openDialogFolder(), QString("/fixed"));
        paths.setSaveLocation("/saves");
        QCOMPARE(paths.sessionsFolder(), QString("/saves/sessions"));
    }

    void movingTheSaveLocationCopiesPlainFiles()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString oldBase = dir.filePath("old");
        PathsManager paths;
        paths.setSaveLocation(oldBase);
        for (const QString &sub : PathsManager::subFolders()) {
            QVERIFY(QDir().mkpath(oldBase + sub + "/nested"));
            QVERIFY(writeFile(oldBase + sub + "/file" + QString(sub).remove('/') + ".dat", sub.toUtf8()));
            QVERIFY(writeFile(oldBase + sub + "/nested/inner.dat", "inner"));
        }

        // The new base lies several levels below folders that do not exist yet.
        const QString newBase = dir.filePath("a/b/c/new");
        paths.updatePaths("/audio/here", newBase);
        QCOMPARE(paths.alwaysOpenFolder(), QString("/audio/here"));
        QCOMPARE(paths.saveLocation(), newBase);
        QCOMPARE(paths.sessionsFolder(), newBase + "/sessions");
        for (const QString &sub : PathsManager::subFolders()) {
            const QString copied = newBase + sub + "/file" + QString(sub).remove('/') + ".dat";
            if (sub == "/metadata") {
                QVERIFY2(!QFileInfo::exists(newBase + sub), "the cache folder stays where it was");
                continue;
            }
            QCOMPARE(readFile(copied), sub.toUtf8());
            QVERIFY(!QFileInfo::exists(newBase + sub + "/nested"));
            // Nothing leaves the old place.
            QVERIFY(QFileInfo::exists(oldBase + sub + "/file" + QString(sub).remove('/') + ".dat"));
        }

        // Moving to the same place changes nothing; an empty folder is not taken.
        paths.updatePaths("/audio/there", newBase);
        QCOMPARE(readFile(newBase + "/songs/filesongs.dat"), QByteArray("/songs"));
        paths.updatePaths("/audio/there", QString());
        QCOMPARE(paths.saveLocation(), newBase);
        QCOMPARE(paths.alwaysOpenFolder(), QString("/audio/there"));

        // With the cache folder included.
        const QString third = dir.filePath("third");
        paths.setSaveLocation(third);
        paths.moveFolders(oldBase, true);
        QCOMPARE(readFile(third + "/metadata/filemetadata.dat"), QByteArray("/metadata"));
        QCOMPARE(readFile(third + "/songs/filesongs.dat"), QByteArray("/songs"));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
