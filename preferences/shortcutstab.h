// ShortcutsTab: the "Keyboard Shortcuts" page of the preferences dialog. It owns the
// table of the program's keyboard commands and their default keys, and one QShortcut
// per command; the main window wires those to its slots whenever the page emits
// initMainWindowShortcuts. The user picks a command, presses a key (caught by
// KeyPressEater) and sets it; a key another command holds is moved after a question.
// The main window stores loadShortcuts() as "edited shortcuts" and gives the stored
// list back through setShortcuts() at start.
// Key texts are upper-case key-sequence texts; "WIN" stands for the Meta key in all
// that is shown and stored, and becomes "META" only inside the QShortcut.
#pragma once
#include <QKeySequence>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QShortcut>
#include <QString>
#include <QStringList>
#include <QWidget>

class KeyPressEater;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class ShortcutsTab : public QWidget
{
    Q_OBJECT
public:
    static constexpr int commandCount = 29;

    explicit ShortcutsTab(QWidget *parent = nullptr);

    // Command name -> default key; the map's order (command-name order) is the order
    // of the shortcut list, the item list and the stored list.
    static QMap<QString, QString> defaultKeyMap();
    static QStringList commandNames();
    // "META" shown as "WIN", and the key sequence of a shown or stored text.
    static QString shownKeyText(const QString &key);
    static QKeySequence keySequence(const QString &key);

    void applyShortcuts(const QMap<QString, QString> &keys);
    // The key of every command, in command-name order.
    QStringList loadShortcuts() const;
    // Sets the keys from a list made by loadShortcuts. A list of another length (from
    // another version or a damaged store) is ignored and false returned.
    bool setShortcuts(const QStringList &keys);

    // One per command in command-name order (null only once its owner has gone).
    QList<QShortcut *> shortcuts() const;
    QString currentKey(const QString &command) const { return m_currentMap.value(command); }
    QTreeWidget *commandTree() const { return m_tree; }
    QLineEdit *keyField() const { return m_keyField; }
    QList<QTreeWidgetItem *> items() const { return m_items; }

signals:
    void initMainWindowShortcuts();

public slots:
    void keyPressed(QString key);
    void setShortcut();
    void clearShortcut();
    void restoreDefaults();
    void changeSelectedLabelText(QTreeWidgetItem *item, int column);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void defaultShortcuts();
    static QString translatedName(const QString &command);

    QList<QPointer<QShortcut> > m_shortcuts;
    QTreeWidget *m_tree = nullptr;
    KeyPressEater *m_keyCatcher = nullptr;
    QLineEdit *m_keyField = nullptr;
    QPushButton *m_setButton = nullptr;
    QPushButton *m_clearButton = nullptr;
    QPushButton *m_restoreButton = nullptr;
    QMap<QString, QString> m_defaultMap;
    QMap<QString, QString> m_currentMap;
    QList<QTreeWidgetItem *> m_items;
    QLabel *m_promptLabel = nullptr;
};
