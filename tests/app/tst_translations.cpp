// A start in each language: start-up finds the built translation beside the program
// (a copy beside the test; the build folder, which holds them too, is the working folder),
// and the main window's menus then show that file's texts, not the English ones. A damaged
// translation file is refused, and the window says so once.
#include "app/checkedtranslator.h"
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "preferences/languages.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {
// Every menu title and entry text, in menu order (the recent files' entries aside).
QStringList menuTexts(MainWindow &window)
{
    QStringList texts;
    for (QAction *menuAction : window.menuBar()->actions()) {
        texts << menuAction->text();
        for (QAction *action : menuAction->menu()->actions()) {
            if (!action->isSeparator())
                texts << action->text();
        }
    }
    return texts;
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        dataFolderPath = QStandardPaths::writableLocation(QStandardPaths::DataLocation) + "/Plectronome";
        QVERIFY(QDir::setCurrent(PLECTRONOME_BINARY_DIR));
    }

    void menusShowEachLanguage()
    {
        QStringList english;
        {
            MainWindow window;
            english = menuTexts(window);
            window.close();
        }
        QVERIFY(english.contains("Set &Language"));
        for (const LanguageEntry &entry : programLanguages) {
            const QString code = QString::fromLatin1(entry.code);
            if (code == "en")
                continue;
            QScopedPointer<QTranslator> translator(installTranslation(code));
            QVERIFY2(translator && !translator->isEmpty(), qPrintable("no translation file for " + code));
            MainWindow window;
            const QStringList shown = menuTexts(window);
            window.close();
            QCOMPARE(shown.size(), english.size());
            int differing = 0;
            for (int i = 0; i < shown.size(); ++i) {
                const QString expected = translator->translate("MainWindow", english[i].toUtf8().constData());
                QVERIFY2(!expected.isEmpty(), qPrintable(code + ": no translation of " + english[i]));
                QCOMPARE(shown[i], expected);
                differing += shown[i] != english[i];
            }
            // A few words are the same in some languages ("&Options", "Pause"); most are not.
            QVERIFY2(differing * 10 >= shown.size() * 8, qPrintable(code));
        }
    }

    // Translations come only from the program's own folders, and a file there that is not
    // the one built (the German one with a byte changed, at every position) is refused.
    void damagedTranslationsAreRefused()
    {
        const QString programFolder = QCoreApplication::applicationDirPath();
        for (const QString &file : translationFileCandidates("de"))
            QVERIFY2(file.startsWith(programFolder + "/"), qPrintable(file));
        const QString shipped = programFolder + "/translations/plectronome_de.qm";
        QFile file(shipped);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray good = file.readAll();
        file.close();
        QVERIFY(good.size() > 1000);

        QTemporaryDir dir;
        const QString damaged = dir.filePath("plectronome_de.qm");
        for (int i = 0; i < good.size(); ++i) {
            QByteArray bytes = good;
            bytes[i] = char(bytes[i] ^ 0xff);
            QFile out(damaged);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
            out.close();
            CheckedTranslator translator;
            QCOMPARE(translator.loadChecked(dir.filePath("plectronome_de"), "de"), CheckedTranslator::Refused);
            QVERIFY(translator.isEmpty());
        }
        CheckedTranslator foreign;
        QCOMPARE(foreign.loadChecked(shipped, "fr"), CheckedTranslator::Refused);
        CheckedTranslator::takeRefusedFile();

        // At start-up, with the damaged file in the program's folder: English, one notice.
        QByteArray bytes = good;
        bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0xff);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QScopedPointer<QTranslator> translator(installTranslation("de"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(good) == good.size());
        file.close();
        QVERIFY(translator && translator->isEmpty());
        MainWindow window;
        QStringList notices;
        window.setMessageBoxHook([&notices](QMessageBox::Icon, const QString &, const QString &text,
                                            QMessageBox::StandardButtons, QMessageBox::StandardButton) {
            notices << text;
            return QMessageBox::Ok;
        });
        QCoreApplication::processEvents();
        QCOMPARE(notices.size(), 1);
        QVERIFY(notices.first().contains(shipped));
        QVERIFY(menuTexts(window).contains("Set &Language"));
        window.close();
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
