// The preferences dialog through its real pages: the page an action opens, OK against
// the pages' own "Apply", Cancel, the device list (also empty), the folders and their
// move through the main window, and the language page with its restart question and
// the relaunch (a stand-in launcher: no process starts).
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/pathsmanager.h"
#include "app/startup.h"
#include "preferences/languages.h"
#include "preferences/preferencesmenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
// Runs a step while the modal dialog or box opened next is up. A dialog that does not come
// within the wait fails the test; one that a failed check in the step leaves open is
// closed. Either way the test goes on instead of hanging on a modal loop.
void whileModal(std::function<void(QWidget *)> step)
{
    constexpr int waitMs = 30000;
    auto *poll = new QTimer;
    poll->setInterval(10);
    auto *waited = new QElapsedTimer;
    waited->start();
    QObject::connect(poll, &QTimer::timeout, [poll, waited, step] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal && !waited->hasExpired(waitMs))
            return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        if (!modal) {
            QTest::qFail("no dialog appeared", __FILE__, __LINE__);
            return;
        }
        step(modal);
        if (QTest::currentTestFailed() && QApplication::activeModalWidget() == modal)
            modal->close();
    });
    poll->start();
}

// Presses the button with a text in the open message box, and gives its text back.
void answerBox(const QString &buttonText, QString *boxText = nullptr)
{
    whileModal([buttonText, boxText](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        if (boxText)
            *boxText = box->text();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == buttonText) {
                button->click();
                return;
            }
        }
        QFAIL(qPrintable("no button " + buttonText));
    });
}

// The answers the audio player would give, for a dialog without a main window.
struct FakePlayer {
    QStringList devices{"Built-in Audio", "", "USB Interface"};
    QString current = "Built-in Audio";
    void attach(PreferencesMenu &prefs)
    {
        QObject::connect(prefs.devicesTab(), &DevicesTab::getDeviceList, [this] { return devices; });
        QObject::connect(prefs.devicesTab(), &DevicesTab::getCurrentDevice, [this] { return current; });
        QObject::connect(&prefs, &PreferencesMenu::deviceStringToIndex,
                         [this](const QString &name) { return int(devices.indexOf(name)); });
    }
};

// A click on a language's radio button, on its round indicator.
void clickLanguage(LanguageTab *page, const QString &code)
{
    for (QRadioButton *button : page->languageButtons()) {
        if (button->objectName() == code)
            QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
    }
}

QAction *actionNamed(const QString &name, QObject *parent)
{
    auto *action = new QAction(parent);
    action->setObjectName(name);
    return action;
}
} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        dataFolderPath = QStandardPaths::writableLocation(QStandardPaths::DataLocation) + "/Plectronome";
    }
    void init() { QSettings("Quillfen", "Plectronome").clear(); }

    void actionNameChoosesThePage()
    {
        PreferencesMenu prefs;
        QCOMPARE(prefs.tabWidget()->count(), 4);
        const struct {
            const char *action;
            int page;
        } cases[] = {{"shortcuts", 2}, {"language", 3}, {"other", 3}, {"Paths", 3}, {"paths", 1}, {"device", 0}};
        for (const auto &c : cases) {
            int shown = -1;
            whileModal([&shown, &prefs](QWidget *modal) {
                QCOMPARE(modal, &prefs);
                shown = prefs.tabWidget()->currentIndex();
                prefs.reject();
            });
            prefs.showPreferences(actionNamed(c.action, &prefs));
            QCOMPARE(shown, c.page);
        }
    }

    void deviceIsSentOnOkOrWithBufferOnApply()
    {
        PreferencesMenu prefs;
        FakePlayer player;
        player.attach(prefs);
        QSignalSpy device(&prefs, SIGNAL(setAudioDevice(int)));
        QSignalSpy buffer(&prefs, SIGNAL(setDeviceBufferSize(int)));

        whileModal([&prefs](QWidget *) {
            QComboBox *combo = prefs.devicesTab()->deviceCombo();
            // Empty names are dropped; the current device is selected.
            QCOMPARE(combo->count(), 2);
            QCOMPARE(combo->currentText(), QString("Built-in Audio"));
            QVERIFY(!prefs.devicesTab()->isChanged());
            combo->setCurrentIndex(1);
            prefs.buttonBox()->button(QDialogButtonBox::Ok)->click();
        });
        prefs.showPreferences(actionNamed("device", &prefs));
        QCOMPARE(device.count(), 1);
        QCOMPARE(device.at(0).at(0).toInt(), 2);
        QCOMPARE(buffer.count(), 0);

        whileModal([&prefs](QWidget *) {
            prefs.devicesTab()->deviceCombo()->setCurrentIndex(0);
            QTest::mouseClick(prefs.devicesTab()->applyButton(), Qt::LeftButton);
            prefs.reject();
        });
        prefs.showPreferences(actionNamed("device", &prefs));
        QCOMPARE(device.count(), 2);
        QCOMPARE(device.at(1).at(0).toInt(), 0);
        QCOMPARE(buffer.count(), 1);
        QCOMPARE(buffer.at(0).at(0).toInt(), 500);

        // With no device at all, neither OK nor "Apply" sends anything.
        player.devices.clear();
        whileModal([&prefs](QWidget *) {
            QCOMPARE(prefs.devicesTab()->deviceCombo()->count(), 0);
            prefs.devicesTab()->setUpdateTrue(0);
            QTest::mouseClick(prefs.devicesTab()->applyButton(), Qt::LeftButton);
            prefs.accept();
        });
        prefs.showPreferences(actionNamed("device", &prefs));
        QCOMPARE(device.count(), 2);
        QCOMPARE(buffer.count(), 1);
    }

    void foldersOnOkAndCancel()
    {
        PreferencesMenu prefs;
        FakePlayer player;
        player.attach(prefs);
        PathsTab *paths = prefs.pathsTab();
        paths->setDefaultSavePath("/data/default");
        paths->applyOpenBehaviour(false, "/music/kept");
        QSignalSpy updates(&prefs, SIGNAL(updatePaths(QString, QString)));

        // Cancel sends nothing and writes nothing.
        whileModal([&](QWidget *) {
            paths->savePathEdit()->setText("/data/elsewhere");
            QTest::mouseClick(paths->findChild<QLabel *>("alwaysOpenLabel"), Qt::LeftButton);
            prefs.buttonBox()->button(QDialogButtonBox::Cancel)->click();
        });
        prefs.showPreferences(actionNamed("paths", &prefs));
        QCOMPARE(updates.count(), 0);
        QVERIFY(QSettings("Quillfen", "Plectronome").allKeys().isEmpty());
        // The click on the label chose "always open" and enabled the folder and its button.
        QVERIFY(paths->alwaysOpenChecked());
        QVERIFY(paths->audioPathEdit()->isEnabled());
        QVERIFY(paths->audioBrowseButton()->isEnabled());

        // OK sends what the page holds; with "open previous" the audio folder is empty.
        whileModal([&](QWidget *) {
            QTest::mouseClick(paths->findChild<QLabel *>("openPreviousLocationLabel"), Qt::LeftButton);
            QVERIFY(!paths->audioPathEdit()->isEnabled());
            prefs.accept();
        });
        prefs.showPreferences(actionNamed("paths", &prefs));
        QCOMPARE(updates.count(), 1);
        QCOMPARE(updates.at(0).at(0).toString(), QString());
        QCOMPARE(updates.at(0).at(1).toString(), QString("/data/elsewhere"));

        // The stored values come back unchanged; "Restore Defaults" puts the defaults back.
        paths->applyOpenBehaviour(true, "/music/chosen");
        QVERIFY(!paths->isChanged());
        QCOMPARE(paths->audioPath(), QString("/music/chosen"));
        answerBox("&No");
        paths->restoreDefaults();
        QCOMPARE(paths->savePath(), QString("/data/elsewhere"));
        answerBox("&Yes");
        paths->restoreDefaults();
        QCOMPARE(paths->savePath(), QString("/data/default"));
        QCOMPARE(paths->audioPath(), QStandardPaths::writableLocation(QStandardPaths::MusicLocation));
        QVERIFY(!paths->alwaysOpenChecked());
        QVERIFY(paths->isChanged());
    }

    void newSaveFolderMovesTheFilesThroughTheWindow()
    {
        QTemporaryDir target;
        MainWindow window;
        const QString session = dataFolderPath + "/sessions/practice.pq";
        {
            QFile file(session);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<pqxml/>");
        }
        PreferencesMenu *prefs = window.preferencesMenu();
        whileModal([&](QWidget *) {
            prefs->pathsTab()->savePathEdit()->setText(target.path());
            QTest::mouseClick(prefs->pathsTab()->findChild<QLabel *>("alwaysOpenLabel"), Qt::LeftButton);
            prefs->buttonBox()->button(QDialogButtonBox::Ok)->click();
        });
        prefs->showPreferences(actionNamed("paths", prefs));
        QCOMPARE(window.pathsManager()->saveLocation(), target.path());
        QVERIFY(QFile::exists(target.path() + "/sessions/practice.pq"));
        QCOMPARE(window.pathsManager()->alwaysOpenFolder(), prefs->pathsTab()->audioPath());
        window.close();
        QSettings settings("Quillfen", "Plectronome");
        QCOMPARE(settings.value("MainWindow/save location").toString(), target.path());
        QCOMPARE(settings.value("MainWindow/always open folder bool").toBool(), true);
    }

    void languagePageListsTheLanguages()
    {
        QSettings("Quillfen", "Plectronome").setValue("Language/language", "in");
        LanguageTab page;
        const QList<QRadioButton *> buttons = page.languageButtons();
        QCOMPARE(buttons.size(), 17);
        QCOMPARE(page.getLanguage(), QString("in"));
        QCOMPARE(page.checkedCode(), QString("in"));
        QStringList names;
        for (QRadioButton *button : buttons) {
            names << button->text();
            QVERIFY2(!button->icon().isNull(), qPrintable(button->objectName()));
        }
        QCOMPARE(names.at(11), QString::fromUtf8("Polski"));
        QCOMPARE(names.at(13), QString::fromUtf8("日本語"));
        QCOMPARE(names.at(14), QString::fromUtf8("中文"));

        // Start-up picks the page's own code for a system language: Hindi is "in" in both.
        for (const LanguageEntry &entry : programLanguages) {
            const QString expected = QString(entry.code) == "en" ? QString() : QString(entry.code);
            QCOMPARE(translationCodeForLanguage(entry.systemLanguage), expected);
        }

        // An unknown stored code leaves English checked.
        QSettings("Quillfen", "Plectronome").setValue("Language/language", "xx");
        LanguageTab unknown;
        QCOMPARE(unknown.checkedCode(), QString("en"));
    }

    void unchangedLanguageAsksNothing()
    {
        QSettings("Quillfen", "Plectronome").setValue("Language/language", "de");
        LanguageTab page;
        bool launched = false;
        page.setLauncher([&launched](const QString &) { return launched = true; });
        QSignalSpy closing(&page, SIGNAL(closeMainwindow()));
        clickLanguage(&page, "fr");
        QVERIFY(page.isChanged());
        clickLanguage(&page, "de");
        QVERIFY(!page.isChanged());
        QTest::mouseClick(page.applyButton(), Qt::LeftButton); // no box opens, or the test would hang
        QVERIFY(!launched);
        QCOMPARE(closing.count(), 0);
    }

    void restartQuestionCancelWritesNothing()
    {
        LanguageTab page;
        bool launched = false;
        page.setLauncher([&launched](const QString &) { return launched = true; });
        clickLanguage(&page, "de");
        QVERIFY(page.isChanged());
        QString question;
        answerBox("Cancel", &question);
        QTest::mouseClick(page.applyButton(), Qt::LeftButton);
        QCOMPARE(question, QString("Language Selection - Restart Required"));
        QVERIFY(!page.isChanged());
        QVERIFY(!launched);
        QVERIFY(!QSettings("Quillfen", "Plectronome").contains("Language/language"));
    }

    void relaunchStoresTheLanguageAndClosesTheWindow()
    {
        MainWindow window;
        QVERIFY(window.isVisible());
        PreferencesMenu *prefs = window.preferencesMenu();
        QStringList launched;
        bool settingsWritten = false;
        prefs->languageTab()->setLauncher([&](const QString &program) {
            launched << program;
            // The window's settings are written before the new run starts.
            settingsWritten = QSettings("Quillfen", "Plectronome").contains("MainWindow/pos");
            return true;
        });
        whileModal([&](QWidget *) {
            clickLanguage(prefs->languageTab(), "jp");
            QVERIFY(prefs->languageTab()->isChanged());
            answerBox("Relaunch Now");
            prefs->buttonBox()->button(QDialogButtonBox::Ok)->click();
        });
        prefs->showPreferences(actionNamed("language", prefs));
        QCOMPARE(launched, QStringList{QCoreApplication::applicationFilePath()});
        QVERIFY(settingsWritten);
        QSettings settings("Quillfen", "Plectronome");
        QCOMPARE(settings.value("Language/language").toString(), QString("jp"));
        QCOMPARE(settings.value("Language/change language").toBool(), true);
        QVERIFY(!prefs->isVisible());
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
