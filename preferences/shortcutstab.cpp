#include "preferences/shortcutstab.h"

#include "preferences/keypresseater.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
struct DefaultCommand {
    const char *name;
    const char *key;
};

// The program's keyboard commands and their default keys.
const DefaultCommand defaultCommands[] = {
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Exit"), "CTRL+Q"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Fast Forward"), "RIGHT"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Load Session"), "CTRL+L"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Metronome Volume Down"), "'"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Metronome Volume Up"), "#"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Open Audio File"), "CTRL+O"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Pause"), "RETURN"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Pitch Down (-1 Semitone)"), "F7"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Pitch Up (+1 Semitone)"), "F8"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Play From Selection Start"), "DOWN"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Play/Stop"), "SPACE"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Rewind"), "LEFT"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Save Audio"), "CTRL+A"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Save Session"), "CTRL+S"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Show Chord Viewer Tab"), "3"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Show Vur Arezev Tab"), "1"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Show Riff Builder Tab"), "2"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Tempo Down (-1 BPM)"), "F5"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Tempo Up (+1 BPM)"), "F6"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Toggle Isolate Tool"), "F3"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Toggle Loop"), "L"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Toggle Pitch Tool"), "F4"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Toggle Scroll"), "S"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Toggle Tempo Tool"), "F2"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "View Help"), "F1"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Volume Down"), "["},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Volume Up"), "]"},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Zoom In"), "="},
    {QT_TRANSLATE_NOOP("ShortcutsTab", "Zoom Out"), "-"},
};
static_assert(sizeof(defaultCommands) / sizeof(defaultCommands[0]) == ShortcutsTab::commandCount,
              "one default key per command");

QString replaceWord(const QString &text, const QString &word, const QString &by, Qt::CaseSensitivity cs)
{
    QRegularExpression::PatternOptions options = QRegularExpression::NoPatternOption;
    if (cs == Qt::CaseInsensitive)
        options |= QRegularExpression::CaseInsensitiveOption;
    QString result = text;
    return result.replace(QRegularExpression("\\b" + word + "\\b", options), by);
}

// Two key texts name the same key: letter case and spelling aside. The empty key
// (no key) never equals another.
bool sameKey(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    if (a.compare(b, Qt::CaseInsensitive) == 0)
        return true;
    const QKeySequence sa = ShortcutsTab::keySequence(a);
    return !sa.isEmpty() && sa == ShortcutsTab::keySequence(b);
}
} // namespace

ShortcutsTab::ShortcutsTab(QWidget *parent)
    : QWidget(parent)
{
    m_keyCatcher = new KeyPressEater(this);
    m_keyField = new QLineEdit(this);
    m_keyField->setObjectName("keyField");
    m_keyField->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_setButton = new QPushButton(tr("Set"), this);
    m_setButton->setObjectName("setButton");
    m_setButton->setAutoRepeat(false);
    m_clearButton = new QPushButton(tr("Clear"), this);
    m_clearButton->setObjectName("clearButton");
    m_restoreButton = new QPushButton(tr("Restore Defaults"), this);
    m_restoreButton->setObjectName("restoreDefaultsButton");
    m_promptLabel = new QLabel(this);
    m_promptLabel->setObjectName("promptLabel");

    defaultShortcuts();

    connect(m_keyCatcher, SIGNAL(keyPressed(QString)), this, SLOT(keyPressed(QString)));
    connect(m_setButton, SIGNAL(released()), this, SLOT(setShortcut()));
    connect(m_clearButton, SIGNAL(released()), this, SLOT(clearShortcut()));
    connect(m_restoreButton, SIGNAL(released()), this, SLOT(restoreDefaults()));
    connect(m_tree, SIGNAL(itemClicked(QTreeWidgetItem *, int)), this,
            SLOT(changeSelectedLabelText(QTreeWidgetItem *, int)));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tree);
    layout->addWidget(m_promptLabel);
    auto *row = new QHBoxLayout;
    row->setSpacing(5);
    row->addWidget(m_keyField, 1);
    row->addWidget(m_setButton, 0, Qt::AlignRight);
    row->addWidget(m_clearButton, 0, Qt::AlignRight);
    layout->addLayout(row);
    layout->addWidget(m_restoreButton, 1, Qt::AlignRight);

    m_tree->installEventFilter(m_keyCatcher);
    m_keyField->installEventFilter(m_keyCatcher);
    installEventFilter(m_keyCatcher);
}

QMap<QString, QString> ShortcutsTab::defaultKeyMap()
{
    QMap<QString, QString> map;
    for (const DefaultCommand &command : defaultCommands)
        map.insert(QString::fromUtf8(command.name), QString::fromUtf8(command.key));
    return map;
}

QStringList ShortcutsTab::commandNames()
{
    return defaultKeyMap().keys();
}

QString ShortcutsTab::shownKeyText(const QString &key)
{
    return replaceWord(key, "META", "WIN", Qt::CaseSensitive);
}

QKeySequence ShortcutsTab::keySequence(const QString &key)
{
    return QKeySequence::fromString(replaceWord(key, "WIN", "META", Qt::CaseInsensitive), QKeySequence::NativeText);
}

QString ShortcutsTab::translatedName(const QString &command)
{
    return QCoreApplication::translate("ShortcutsTab", command.toUtf8().constData());
}

void ShortcutsTab::defaultShortcuts()
{
    m_defaultMap = defaultKeyMap();
    m_currentMap = m_defaultMap;

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName("commandTree");
    m_tree->setColumnCount(2);
    m_tree->setHeaderLabels(QStringList() << tr("Action") << tr("Shortcut"));
    for (auto it = m_currentMap.constBegin(); it != m_currentMap.constEnd(); ++it) {
        auto *item = new QTreeWidgetItem(QStringList() << translatedName(it.key()) << it.value());
        m_items.append(item);
    }
    m_tree->insertTopLevelItems(0, m_items);
    m_tree->setSortingEnabled(true);
    m_tree->sortByColumn(0, Qt::AscendingOrder);
    m_tree->resizeColumnToContents(0);
    applyShortcuts(m_defaultMap);
    m_tree->setFocusPolicy(Qt::StrongFocus);
    changeSelectedLabelText(m_items.first(), 0);
}

void ShortcutsTab::applyShortcuts(const QMap<QString, QString> &keys)
{
    // Only the known commands, each with its key in the shown ("WIN") form.
    QMap<QString, QString> current;
    for (auto it = m_defaultMap.constBegin(); it != m_defaultMap.constEnd(); ++it)
        current.insert(it.key(), shownKeyText(keys.value(it.key())));
    m_currentMap = current;

    int i = 0;
    for (auto it = m_currentMap.constBegin(); it != m_currentMap.constEnd(); ++it, ++i)
        m_items.at(i)->setText(1, it.value());
    // The prompt follows the item made current, so Set never changes another command.
    m_tree->setCurrentItem(m_items.first());
    changeSelectedLabelText(m_items.first(), 0);
    m_keyField->clear();

    for (const QPointer<QShortcut> &shortcut : qAsConst(m_shortcuts))
        delete shortcut.data();
    m_shortcuts.clear();
    for (auto it = m_currentMap.constBegin(); it != m_currentMap.constEnd(); ++it) {
        auto *shortcut = new QShortcut(keySequence(it.value()), this, nullptr, nullptr, Qt::ApplicationShortcut);
        shortcut->setObjectName(it.key());
        m_shortcuts.append(shortcut);
    }
    emit initMainWindowShortcuts();
}

QList<QShortcut *> ShortcutsTab::shortcuts() const
{
    QList<QShortcut *> list;
    for (const QPointer<QShortcut> &shortcut : m_shortcuts)
        list.append(shortcut.data());
    return list;
}

QStringList ShortcutsTab::loadShortcuts() const
{
    QStringList keys;
    for (QTreeWidgetItem *item : m_items)
        keys.append(item->text(1));
    return keys;
}

bool ShortcutsTab::setShortcuts(const QStringList &keys)
{
    if (keys.size() != m_currentMap.size())
        return false;
    int i = 0;
    for (auto it = m_currentMap.begin(); it != m_currentMap.end(); ++it, ++i)
        it.value() = keys.at(i);
    applyShortcuts(m_currentMap);
    return true;
}

void ShortcutsTab::keyPressed(QString key)
{
    m_keyField->setText(replaceWord(key.toUpper(), "META", "WIN", Qt::CaseInsensitive));
}

void ShortcutsTab::changeSelectedLabelText(QTreeWidgetItem *item, int)
{
    if (!item)
        return;
    m_promptLabel->setText(tr("Enter keystroke for \"%0\":").arg(item->text(0)));
}

void ShortcutsTab::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_keyField->clear();
    m_tree->setFocus();
}

void ShortcutsTab::setShortcut()
{
    const QString text = m_keyField->text();
    QTreeWidgetItem *sel = m_tree->currentItem();
    const int selIndex = m_items.indexOf(sel);
    if (selIndex < 0) {
        m_keyField->clear();
        return;
    }
    const QStringList names = m_currentMap.keys();

    if (!text.isEmpty()) {
        if (text == sel->text(1)) {
            m_keyField->clear();
            return;
        }
        int other = -1;
        for (int i = 0; i < names.size() && other < 0; ++i) {
            if (i != selIndex && sameKey(m_currentMap.value(names.at(i)), text))
                other = i;
        }
        if (other >= 0) {
            const QMessageBox::StandardButton answer = QMessageBox::question(
                this, tr("Overwrite Existing Shortcut?"),
                tr("The keystroke \"%0\" is currently being used for the action \"%1\"\n"
                   "Do you want to overwrite that shortcut?")
                    .arg(text, translatedName(names.at(other))),
                QMessageBox::Yes | QMessageBox::No);
            if (answer != QMessageBox::Yes) {
                m_keyField->clear();
                return;
            }
            m_currentMap[names.at(other)] = QString();
            m_items.at(other)->setText(1, QString());
            if (QShortcut *shortcut = m_shortcuts.value(other))
                shortcut->setKey(QKeySequence());
        }
    }

    sel->setText(1, text);
    m_currentMap[names.at(selIndex)] = text;
    if (QShortcut *shortcut = m_shortcuts.value(selIndex))
        shortcut->setKey(keySequence(text));
    m_keyField->clear();
}

void ShortcutsTab::clearShortcut()
{
    m_keyField->clear();
    setShortcut();
}

void ShortcutsTab::restoreDefaults()
{
    const QMessageBox::StandardButton answer =
        QMessageBox::question(this, tr("Restore Default Shortcuts"),
                              tr("Are you sure you want to reset the keyboard shortcuts?"),
                              QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        applyShortcuts(m_defaultMap);
}
