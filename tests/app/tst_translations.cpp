// A start in each language: start-up finds the built translation beside the program
// (here: the build folder, as the working folder), and the main window's menus then show
// that file's texts, not the English ones.
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "preferences/languages.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
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
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
