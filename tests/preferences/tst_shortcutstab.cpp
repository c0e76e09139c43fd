// Keyboard shortcuts page: the command table, key capture, setting and clearing keys,
// clashes, the "WIN" spelling of Meta, restoring the defaults and the stored list.
#include "preferences/keypresseater.h"
#include "preferences/shortcutstab.h"
#include "modalanswerer.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

namespace {
// The commands and keys as the user knows them, in command-name order.
const QStringList expectedNames = {
    "Exit", "Fast Forward", "Load Session", "Metronome Volume Down", "Metronome Volume Up", "Open Audio File",
    "Pause", "Pitch Down (-1 Semitone)", "Pitch Up (+1 Semitone)", "Play From Selection Start", "Play/Stop",
    "Rewind", "Save Audio", "Save Session", "Show Chord Viewer Tab", "Show Riff Builder Tab",
    "Show Vur Arezev Tab", "Tempo Down (-1 BPM)", "Tempo Up (+1 BPM)", "Toggle Isolate Tool", "Toggle Loop",
    "Toggle Pitch Tool", "Toggle Scroll", "Toggle Tempo Tool", "View Help", "Volume Down", "Volume Up",
    "Zoom In", "Zoom Out"};

int indexOf(const QString &command)
{
    return ShortcutsTab::commandNames().indexOf(command);
}

QShortcut *shortcutOf(const ShortcutsTab &tab, const QString &command)
{
    return tab.shortcuts().value(indexOf(command));
}

void select(ShortcutsTab &tab, const QString &command)
{
    tab.commandTree()->setCurrentItem(tab.items().at(indexOf(command)));
}

void setKey(ShortcutsTab &tab, const QString &command, const QString &key)
{
    select(tab, command);
    tab.keyField()->setText(key);
    tab.setShortcut();
}
} // namespace

class TestShortcutsTab : public QObject
{
    Q_OBJECT
private slots:
    void defaultTableIsCompleteDistinctAndOrdered()
    {
        ShortcutsTab tab;
        QCOMPARE(ShortcutsTab::commandNames(), expectedNames);
        const QStringList keys = tab.loadShortcuts();
        QCOMPARE(keys.size(), ShortcutsTab::commandCount);
        QCOMPARE(keys.first(), QString("CTRL+Q")); // "Exit"
        QCOMPARE(keys.last(), QString("-"));       // "Zoom Out"

        // The tab commands by name: the stored order sorts them by their names.
        const QMap<QString, QString> defaults = ShortcutsTab::defaultKeyMap();
        QCOMPARE(defaults.value("Show Vur Arezev Tab"), QString("1"));
        QCOMPARE(defaults.value("Show Riff Builder Tab"), QString("2"));
        QCOMPARE(defaults.value("Show Chord Viewer Tab"), QString("3"));
        QCOMPARE(keys.at(indexOf("Show Chord Viewer Tab")), QString("3"));
        QCOMPARE(keys.at(indexOf("Show Riff Builder Tab")), QString("2"));
        QCOMPARE(keys.at(indexOf("Show Vur Arezev Tab")), QString("1"));

        QSet<QKeySequence> seen;
        const QList<QShortcut *> shortcuts = tab.shortcuts();
        QCOMPARE(shortcuts.size(), ShortcutsTab::commandCount);
        for (int i = 0; i < keys.size(); ++i) {
            const QKeySequence sequence = ShortcutsTab::keySequence(keys.at(i));
            QVERIFY2(sequence.count() == 1 && sequence[0] != Qt::Key_unknown, qPrintable(keys.at(i)));
            QVERIFY2(!seen.contains(sequence), qPrintable(keys.at(i)));
            seen.insert(sequence);
            QCOMPARE(shortcuts.at(i)->objectName(), expectedNames.at(i));
            QCOMPARE(shortcuts.at(i)->key(), sequence);
            QCOMPARE(shortcuts.at(i)->context(), Qt::ApplicationShortcut);
            QCOMPARE(tab.items().at(i)->text(0), expectedNames.at(i));
        }
        QCOMPARE(shortcutOf(tab, "Pause")->key(), QKeySequence(Qt::Key_Return));
        QCOMPARE(shortcutOf(tab, "Metronome Volume Up")->key(), QKeySequence(Qt::Key_NumberSign));
        QCOMPARE(shortcutOf(tab, "Metronome Volume Down")->key(), QKeySequence(Qt::Key_Apostrophe));

        auto *prompt = tab.findChild<QLabel *>();
        QVERIFY(prompt);
        QCOMPARE(prompt->text(), QString("Enter keystroke for \"Exit\":"));
        QCOMPARE(tab.commandTree()->currentItem(), tab.items().first());
        // The prompt names the command that Set would now change.
        QCOMPARE(tab.findChild<QLabel *>()->text(),
                 QString("Enter keystroke for \"%1\":").arg(tab.items().first()->text(0)));
    }

    void pressedKeysShowInTheField()
    {
        ShortcutsTab tab;
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        QTreeWidget *tree = tab.commandTree();
        QLineEdit *field = tab.keyField();

        QTest::keyClick(tree, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(field->text(), QString("CTRL+S"));
        QTest::keyClick(tree, Qt::Key_Return);
        QCOMPARE(field->text(), QString("RETURN"));
        QTest::keyClick(tree, Qt::Key_F, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(field->text(), QString("CTRL+SHIFT+F"));
        QTest::keyClick(tree, Qt::Key_X, Qt::MetaModifier);
        QCOMPARE(field->text(), QString("WIN+X"));
        QTest::keyClick(field, Qt::Key_F5);
        QCOMPARE(field->text(), QString("F5"));
        // A modifier alone and Escape leave the field alone; Escape is not eaten.
        QTest::keyClick(tree, Qt::Key_Control, Qt::ControlModifier);
        QCOMPARE(field->text(), QString("F5"));
        KeyPressEater eater;
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QLineEdit target;
        target.installEventFilter(&eater);
        QSignalSpy eaten(&eater, SIGNAL(keyPressed(QString)));
        QCoreApplication::sendEvent(&target, &escape);
        QCOMPARE(eaten.count(), 0);

        // A key press sent to a widget arrives first as shortcut override, then as key
        // press: it is reported twice with the same text, and the widget never sees it.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_L, Qt::AltModifier, "l");
        QCoreApplication::sendEvent(&target, &press);
        QCOMPARE(eaten.count(), 2);
        QCOMPARE(eaten.at(0).at(0).toString(), QString("Alt+L"));
        QCOMPARE(eaten.at(1).at(0).toString(), QString("Alt+L"));
        QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_L, Qt::AltModifier);
        override.ignore();
        QCoreApplication::sendEvent(&target, &override);
        QVERIFY(override.isAccepted());
        QVERIFY(target.text().isEmpty());

        // Clicking a command names it in the prompt; a key pressed then and Set give it the key.
        QTreeWidgetItem *zoomIn = tab.items().at(indexOf("Zoom In"));
        tree->scrollToItem(zoomIn);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualItemRect(zoomIn).center());
        QCOMPARE(tree->currentItem(), zoomIn);
        QCOMPARE(tab.findChild<QLabel *>()->text(), QString("Enter keystroke for \"Zoom In\":"));
        QTest::keyClick(tree, Qt::Key_F12, Qt::AltModifier);
        QCOMPARE(field->text(), QString("ALT+F12"));
        auto *setButton = tab.findChild<QPushButton *>("setButton");
        QVERIFY(setButton);
        QTest::mouseClick(setButton, Qt::LeftButton);
        QCOMPARE(zoomIn->text(1), QString("ALT+F12"));
        QCOMPARE(shortcutOf(tab, "Zoom In")->key(), QKeySequence(Qt::ALT | Qt::Key_F12));
        QVERIFY(field->text().isEmpty());

        // Showing the page again starts with an empty field.
        tab.hide();
        tab.show();
        QVERIFY(field->text().isEmpty());
    }

    void settingAKeyAndResolvingClashes()
    {
        ShortcutsTab tab;
        ModalAnswerer answerer(QMessageBox::No);

        // Taken by "Save Session": No keeps both as they are.
        setKey(tab, "Open Audio File", "CTRL+S");
        QCOMPARE(answerer.texts.size(), 1);
        QCOMPARE(answerer.titles.first(), QString("Overwrite Existing Shortcut?"));
        QCOMPARE(answerer.texts.first(), QString("The keystroke \"CTRL+S\" is currently being used for the action "
                                                 "\"Save Session\"\nDo you want to overwrite that shortcut?"));
        QCOMPARE(tab.currentKey("Open Audio File"), QString("CTRL+O"));
        QCOMPARE(tab.currentKey("Save Session"), QString("CTRL+S"));
        QVERIFY(tab.keyField()->text().isEmpty());

        // Yes moves the key: the other command is left without one, at once.
        answerer.setAnswer(QMessageBox::Yes);
        setKey(tab, "Open Audio File", "CTRL+S");
        QCOMPARE(answerer.texts.size(), 2);
        QCOMPARE(tab.currentKey("Open Audio File"), QString("CTRL+S"));
        QCOMPARE(tab.currentKey("Save Session"), QString());
        QCOMPARE(tab.items().at(indexOf("Save Session"))->text(1), QString());
        QCOMPARE(shortcutOf(tab, "Open Audio File")->key(), QKeySequence("Ctrl+S"));
        QVERIFY(shortcutOf(tab, "Save Session")->key().isEmpty());

        // The same key again changes nothing and asks nothing.
        setKey(tab, "Open Audio File", "CTRL+S");
        QCOMPARE(answerer.texts.size(), 2);
        QVERIFY(tab.keyField()->text().isEmpty());

        // A clash that differs only in letter case is still a clash, named by its command.
        answerer.setAnswer(QMessageBox::No);
        setKey(tab, "Rewind", "ctrl+q");
        QCOMPARE(answerer.texts.size(), 3);
        QVERIFY(answerer.texts.last().contains("\"Exit\""));
        QCOMPARE(tab.currentKey("Rewind"), QString("LEFT"));
        QCOMPARE(tab.currentKey("Exit"), QString("CTRL+Q"));

        // An unused key is set without a question.
        setKey(tab, "Zoom In", "CTRL+SHIFT+Z");
        QCOMPARE(answerer.texts.size(), 3);
        QCOMPARE(shortcutOf(tab, "Zoom In")->key(), QKeySequence("Ctrl+Shift+Z"));
        QCOMPARE(tab.loadShortcuts().at(indexOf("Zoom In")), QString("CTRL+SHIFT+Z"));
    }

    void clearingKeysNeverClashes()
    {
        ShortcutsTab tab;
        ModalAnswerer answerer(QMessageBox::No);
        select(tab, "Toggle Loop");
        tab.clearShortcut();
        QCOMPARE(tab.currentKey("Toggle Loop"), QString());
        QVERIFY(shortcutOf(tab, "Toggle Loop")->key().isEmpty());
        // A second command without a key is no clash.
        select(tab, "Toggle Scroll");
        tab.clearShortcut();
        QCOMPARE(tab.currentKey("Toggle Scroll"), QString());
        QCOMPARE(tab.currentKey("Toggle Loop"), QString());
        QVERIFY(answerer.texts.isEmpty());
        // A freed key can be taken without a question.
        setKey(tab, "Rewind", "L");
        QCOMPARE(tab.currentKey("Rewind"), QString("L"));
        QVERIFY(answerer.texts.isEmpty());
    }

    void winStandsForMetaBothWays()
    {
        QCOMPARE(ShortcutsTab::shownKeyText("META+X"), QString("WIN+X"));
        QCOMPARE(ShortcutsTab::shownKeyText("CTRL+META+F2"), QString("CTRL+WIN+F2"));
        QCOMPARE(ShortcutsTab::keySequence("WIN+X"), QKeySequence(Qt::META | Qt::Key_X));
        QCOMPARE(ShortcutsTab::keySequence("win+x"), QKeySequence(Qt::META | Qt::Key_X));
        QCOMPARE(ShortcutsTab::keySequence("CTRL+WIN+F2"), QKeySequence(Qt::CTRL | Qt::META | Qt::Key_F2));

        ShortcutsTab tab;
        setKey(tab, "View Help", "WIN+H");
        QCOMPARE(tab.loadShortcuts().at(indexOf("View Help")), QString("WIN+H"));
        QCOMPARE(shortcutOf(tab, "View Help")->key(), QKeySequence(Qt::META | Qt::Key_H));

        // A stored list spelt with META is shown and stored with WIN.
        QStringList stored = tab.loadShortcuts();
        stored[indexOf("Pause")] = "META+P";
        QVERIFY(tab.setShortcuts(stored));
        QCOMPARE(tab.items().at(indexOf("Pause"))->text(1), QString("WIN+P"));
        QCOMPARE(tab.loadShortcuts().at(indexOf("Pause")), QString("WIN+P"));
        QCOMPARE(shortcutOf(tab, "Pause")->key(), QKeySequence(Qt::META | Qt::Key_P));
        // Then WIN+P and META+P are one key: a clash.
        ModalAnswerer answerer(QMessageBox::No);
        setKey(tab, "Rewind", "WIN+P");
        QCOMPARE(answerer.texts.size(), 1);
        QVERIFY(answerer.texts.first().contains("\"Pause\""));
    }

    void restoreDefaultsRebuildsTheList()
    {
        ShortcutsTab tab;
        ModalAnswerer answerer(QMessageBox::Yes);
        setKey(tab, "Zoom In", "F12");
        select(tab, "Toggle Loop");
        tab.clearShortcut();
        const QStringList edited = tab.loadShortcuts();
        QSignalSpy rebuilt(&tab, SIGNAL(initMainWindowShortcuts()));
        QPointer<QShortcut> old = tab.shortcuts().first();

        answerer.setAnswer(QMessageBox::No);
        tab.restoreDefaults();
        QCOMPARE(answerer.titles.last(), QString("Restore Default Shortcuts"));
        QCOMPARE(answerer.texts.last(), QString("Are you sure you want to reset the keyboard shortcuts?"));
        QCOMPARE(tab.loadShortcuts(), edited);
        QCOMPARE(rebuilt.count(), 0);
        QVERIFY(!old.isNull());

        answerer.setAnswer(QMessageBox::Yes);
        tab.restoreDefaults();
        QCOMPARE(rebuilt.count(), 1);
        QVERIFY(old.isNull());
        const QMap<QString, QString> defaults = ShortcutsTab::defaultKeyMap();
        QCOMPARE(tab.loadShortcuts(), defaults.values());
        QCOMPARE(tab.shortcuts().size(), ShortcutsTab::commandCount);
        QCOMPARE(shortcutOf(tab, "Zoom In")->key(), QKeySequence("="));
        QCOMPARE(shortcutOf(tab, "Toggle Loop")->key(), QKeySequence("L"));
        QCOMPARE(tab.commandTree()->currentItem(), tab.items().first());
        // The prompt names the command that Set would now change.
        QCOMPARE(tab.findChild<QLabel *>()->text(),
                 QString("Enter keystroke for \"%1\":").arg(tab.items().first()->text(0)));
    }

    void storedListsOfTheWrongLengthAreIgnored()
    {
        ShortcutsTab tab;
        QSignalSpy rebuilt(&tab, SIGNAL(initMainWindowShortcuts()));
        const QStringList defaults = tab.loadShortcuts();
        QStringList shortList = defaults.mid(0, 28);
        shortList[0] = "F9";
        QStringList longList = defaults;
        longList[0] = "F9";
        longList << "F10";
        QVERIFY(!tab.setShortcuts(shortList));
        QVERIFY(!tab.setShortcuts(longList));
        QVERIFY(!tab.setShortcuts(QStringList()));
        QCOMPARE(tab.loadShortcuts(), defaults);
        QCOMPARE(rebuilt.count(), 0);

        // A full list applies entry by entry in command-name order, empty keys included.
        QStringList stored = defaults;
        stored[0] = "F9";
        stored[28] = QString();
        QVERIFY(tab.setShortcuts(stored));
        QCOMPARE(rebuilt.count(), 1);
        QCOMPARE(tab.loadShortcuts(), stored);
        QCOMPARE(tab.currentKey("Exit"), QString("F9"));
        QCOMPARE(shortcutOf(tab, "Exit")->key(), QKeySequence(Qt::Key_F9));
        QVERIFY(shortcutOf(tab, "Zoom Out")->key().isEmpty());
    }
};

QTEST_MAIN(TestShortcutsTab)
#include "tst_shortcutstab.moc"
