// Start-up and main window: construction, geometry, colours, start timer, settings
// written on close, threads joined, translation choice.
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/metronomeclick.h"
#include "app/pathsmanager.h"
#include "app/startup.h"
#include "connectwarnings.h"
#include "audio/audioplayer.h"
#include "metadata/metadatathread.h"

#include <QApplication>
#include <QDialog>
#include <QShortcut>
#include <QSignalSpy>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>
#include <QtTest>


class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QString());
        dataFolderPath = QStandardPaths::writableLocation(QStandardPaths::DataLocation) + "/Plectronome";
        connectwarnings::install();
    }

    void windowBuildsWithFixedGeometryAndFolders()
    {
        connectwarnings::collected().clear();
        {
            MainWindow window;
            QVERIFY2(connectwarnings::collected().isEmpty(), qPrintable(connectwarnings::collected().join("\n")));
            QCOMPARE(window.size(), QSize(1000, 695));
            QCOMPARE(window.minimumSize(), QSize(1000, 695));
            QCOMPARE(window.maximumSize(), QSize(1000, 695));
            QCOMPARE(window.windowTitle(), QString("Plectronome"));
            QVERIFY(window.isVisible());
            QCOMPARE(window.palette().color(window.backgroundRole()), QColor(40, 40, 40));
            QVERIFY(!window.windowIcon().isNull());

            QVERIFY(window.startTimer()->isSingleShot());
            QCOMPARE(window.startTimer()->interval(), 1050);
            QVERIFY(window.startTimer()->isActive());

            for (const QString &sub : PathsManager::subFolders())
                QVERIFY2(QFileInfo(dataFolderPath + sub).isDir(), qPrintable(dataFolderPath + sub));
            QCOMPARE(window.pathsManager()->saveLocation(), dataFolderPath);
            QCOMPARE(window.pathsManager()->sessionsFolder(), dataFolderPath + "/sessions");

            QVERIFY(window.close());
            QVERIFY(!window.audioPlayer()->isRunning());
            QVERIFY(!window.metaDataThread()->isRunning());
        }
        QVERIFY(connectwarnings::collected().isEmpty());
    }

    void closingVisibleWindowWritesSettings()
    {
        QSettings("Quillfen", "Plectronome").clear();
        {
            MainWindow window;
            window.close();
        }
        QSettings settings("Quillfen", "Plectronome");
        QCOMPARE(settings.value("MainWindow/version").toString(), QString("1.6.0.0"));
        QVERIFY(settings.contains("MainWindow/pos"));
    }

    void closingHiddenWindowWritesNothing()
    {
        QSettings("Quillfen", "Plectronome").clear();
        {
            MainWindow window;
            window.hide();
            QCloseEvent event;
            QApplication::sendEvent(&window, &event);
            QVERIFY(event.isAccepted());
        }
        QSettings settings("Quillfen", "Plectronome");
        QVERIFY(!settings.contains("MainWindow/version"));
    }

    void commandsWaitWhileADialogIsOpen()
    {
        MainWindow window;
        QShortcut *playStop = nullptr;
        for (QShortcut *shortcut : window.findChildren<QShortcut *>())
            if (shortcut->objectName() == "Play/Stop")
                playStop = shortcut;
        QVERIFY(playStop && playStop->isEnabled());
        QSignalSpy fired(playStop, SIGNAL(activated()));
        QShortcutEvent press(playStop->key(), playStop->id());

        QDialog dialog(&window);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QVERIFY(QApplication::activeModalWidget() == &dialog);
        QApplication::sendEvent(playStop, &press);
        QCOMPARE(fired.count(), 0);

        dialog.hide();
        QApplication::sendEvent(playStop, &press);
        QCOMPARE(fired.count(), 1);
    }

    void translationCodes()
    {
        QCOMPARE(translationCodeForLanguage(QLocale::German), QString("de"));
        QCOMPARE(translationCodeForLanguage(QLocale::NorwegianBokmal), QString("no"));
        QCOMPARE(translationCodeForLanguage(QLocale::Chinese), QString("cn"));
        QCOMPARE(translationCodeForLanguage(QLocale::English), QString());
        QCOMPARE(translationCodeForLanguage(QLocale::Greek), QString());
        // The program's own folder is searched first, so a desktop start finds the files.
        const QStringList files = translationFileCandidates("de");
        QCOMPARE(files.first(), QCoreApplication::applicationDirPath() + "/translations/plectronome_de");
    }

    void metronomeClickIsAShortDecayingTick()
    {
        float peak = 0, tail = 0;
        for (int i = 0; i < metronomeClickLength; ++i) {
            QVERIFY(std::isfinite(metronomeClickSamples[i]));
            peak = std::max(peak, std::abs(metronomeClickSamples[i]));
            if (i >= metronomeClickLength - 64)
                tail = std::max(tail, std::abs(metronomeClickSamples[i]));
        }
        QVERIFY(peak > 0.3f && peak <= 1.0f);
        QVERIFY(tail < 0.01f * peak);
        QCOMPARE(metronomeClickSamples[0], 0.0f);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
