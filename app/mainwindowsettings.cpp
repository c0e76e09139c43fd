// MainWindow: reading and writing the window's settings (group "MainWindow"): position,
// recent files, audio device, folders, neck type and edited shortcuts. Every value read
// back is checked; what is not valid gives the default, and a store that cannot be read
// at all is set aside with one notice, so the program always starts. A store that cannot
// be written is told once.
#include "app/mainwindow.h"

#include "app/datafolder.h"
#include "app/pathsmanager.h"
#include "app/storedsettings.h"
#include "app/tabwidget.h"
#include "app/version.h"
#include "audio/audioplayer.h"
#include "preferences/preferencesmenu.h"
#include "preferences/shortcutstab.h"
#include "views/chords/necktypewidget.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>

namespace {

// Stored texts longer than this are not paths, device names or keys of ours.
constexpr int kLongestText = 4096;

QString storedText(const QVariant &value)
{
    if (!value.canConvert<QString>() || value.type() == QVariant::StringList || value.type() == QVariant::List)
        return QString();
    const QString text = value.toString();
    return text.size() <= kLongestText ? text : QString();
}

// An absolute path that is a folder or nothing yet (a drive not plugged in keeps its
// setting), or empty. A file, a FIFO or a relative path is no folder of ours.
QString storedFolder(const QVariant &value)
{
    const QString folder = storedText(value);
    const QFileInfo info(folder);
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder) || (info.exists() && !info.isDir()))
        return QString();
    return folder;
}

int storedInt(const QVariant &value, int lowest, int highest, int fallback)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok && number >= lowest && number <= highest ? number : fallback;
}

QStringList storedList(const QVariant &value)
{
    QStringList list;
    if (value.type() == QVariant::String) {
        list << value.toString();
    } else if (value.type() == QVariant::StringList || value.type() == QVariant::List) {
        for (const QVariant &item : value.toList()) {
            if (item.type() != QVariant::String)
                return QStringList();
            list << item.toString();
        }
    }
    for (const QString &text : list) {
        if (text.size() > kLongestText)
            return QStringList();
    }
    return list;
}

// One key per command, each empty or a key sequence Qt knows.
bool validShortcutList(const QStringList &keys)
{
    if (keys.size() != ShortcutsTab::commandCount)
        return false;
    for (const QString &key : keys) {
        if (key.isEmpty())
            continue;
        const QKeySequence sequence = ShortcutsTab::keySequence(key);
        if (sequence.isEmpty())
            return false;
        for (int i = 0; i < sequence.count(); ++i) {
            if ((sequence[i] & ~Qt::KeyboardModifierMask) == Qt::Key_unknown || sequence[i] == 0)
                return false;
        }
    }
    return true;
}

} // namespace

void MainWindow::readSettings()
{
    StoredSettings settings("MainWindow");

    QString saveLocation = storedFolder(settings.value("save location"));
    if (saveLocation.isEmpty())
        saveLocation = dataFolderPath;
    m_pathsManager->setSaveLocation(saveLocation);
    PathsTab *pathsTab = m_preferencesMenu->pathsTab();
    pathsTab->setSavePath(saveLocation);

    // Only a complete list of valid keys (one per command) is applied.
    const QStringList keys = storedList(settings.value("edited shortcuts"));
    ShortcutsTab *shortcutsTab = m_preferencesMenu->shortcutsTab();
    if (validShortcutList(keys))
        shortcutsTab->setShortcuts(keys);

    const QString alwaysOpenFolder = storedFolder(settings.value("always open folder string"));
    const QVariant alwaysOpenValue = settings.value("always open folder bool", false);
    const bool alwaysOpen = alwaysOpenValue.canConvert<bool>() && alwaysOpenValue.toBool();
    const QString lastFile = storedText(settings.value("file path"));
    m_pathsManager->setLastFile(QDir::isAbsolutePath(lastFile) ? lastFile : QString());

    const QVariant posValue = settings.value("pos", QPoint(0, 0));
    const QPoint pos = posValue.type() == QVariant::Point ? posValue.toPoint() : QPoint(0, 0);
    const int screenCount = storedInt(settings.value("screen count", 0), 0, 64, 0);
    // A stored wood outside the four there are counts as the nearest one; no number, as the first.
    bool neckIsNumber = false;
    const int storedNeck = settings.value("neck type", 0).toInt(&neckIsNumber);
    const int neckType = neckIsNumber ? std::max(0, std::min(NeckTypeWidget::neckCount - 1, storedNeck)) : 0;
    const QStringList recent = storedList(settings.value("recent files"));

    if (recent.isEmpty())
        m_pathsManager->setPreviousFolder(QStandardPaths::writableLocation(QStandardPaths::MusicLocation));
    else if (alwaysOpen)
        m_pathsManager->setAlwaysOpenFolder(alwaysOpenFolder);

    // The folders page shows the stored folder whether or not its box is ticked, so that
    // writing the page back keeps it.
    if (!alwaysOpenFolder.isEmpty())
        pathsTab->applyOpenBehaviour(true, alwaysOpenFolder);
    pathsTab->applyOpenBehaviour(alwaysOpen, alwaysOpenFolder);
    m_audioPlayer->resetTransport();

    if (settings.contains("audio device")) {
        const QString device = storedText(settings.value("audio device"));
        if (!device.isEmpty())
            m_audioPlayer->setAudioDevice(m_audioPlayer->deviceStringToIndex(device));
    }

    // The saved place only counts on the same screen set-up and inside the window's screen.
    QScreen *screen = this->screen();
    if (screen && screenCount == QGuiApplication::screens().size() && screen->geometry().contains(pos))
        move(pos);
    else
        move(0, 0);

    m_tabWidget->chordsTab()->neckTypeWidget()->setNeckType(neckType);

    setRecentFiles(recent);
    if (settings.damaged())
        settings.setDamagedFileAside();
    // One notice per run when this run found (here or at start-up) a store it could not read.
    const QString damagedCopy = StoredSettings::takeDamagedCopy();
    if (!damagedCopy.isEmpty()) {
        QTimer::singleShot(0, this, [this, damagedCopy] {
            showMessageBox(QMessageBox::Warning, tr("Settings reset"),
                           tr("The stored settings could not be read, so the defaults are used.<br />"
                              "The old settings file was kept as:<br />%1")
                               .arg(damagedCopy.toHtmlEscaped()));
        });
    }
    initShortcuts();
}

void MainWindow::writeSettings()
{
    const QStringList recent = recentFiles();
    PathsTab *pathsTab = m_preferencesMenu->pathsTab();

    QSettings settings("Quillfen", "Plectronome");
    settings.beginGroup("MainWindow");
    settings.setValue("pos", pos());
    settings.setValue("screen count", QGuiApplication::screens().size());
    settings.setValue("volume", m_audioPlayer->getVolume());
    settings.setValue("neck type", m_tabWidget->chordsTab()->neckTypeWidget()->neckType());
    settings.setValue("recent files", recent);
    settings.setValue("audio device", m_audioPlayer->getAudioDevice());
    settings.setValue("always open folder string", pathsTab->audioPath());
    settings.setValue("always open folder bool", pathsTab->alwaysOpenChecked());
    settings.setValue("file path", m_pathsManager->lastFile());
    settings.setValue("save location", m_pathsManager->saveLocation());
    settings.setValue("version", QString::fromLatin1(plectronomeVersion));
    settings.setValue("edited shortcuts", m_preferencesMenu->shortcutsTab()->loadShortcuts());
    settings.endGroup();
    settings.sync();
    // A folder that cannot be written (read-only, full) is told once a run: the next close
    // would only say the same.
    if (settings.status() != QSettings::NoError && !m_settingsFailureTold) {
        m_settingsFailureTold = true;
        showMessageBox(QMessageBox::Warning, tr("Settings not saved"),
                       tr("The settings could not be saved to<br />%1<br />The recent files, folders and "
                          "shortcuts of this run will be missing at the next start.<br />"
                          "Please check that its folder can be written and that the disk is not full.")
                           .arg(settings.fileName().toHtmlEscaped()));
    }
}
