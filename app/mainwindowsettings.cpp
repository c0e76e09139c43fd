// MainWindow: reading and writing the window's settings (group "MainWindow"): position,
// recent files, audio device, folders, neck type and edited shortcuts.
#include "app/mainwindow.h"

#include "app/datafolder.h"
#include "app/pathsmanager.h"
#include "app/tabwidget.h"
#include "app/version.h"
#include "audio/audioplayer.h"
#include "preferences/preferencesmenu.h"
#include "preferences/shortcutstab.h"
#include "views/chords/necktypewidget.h"

#include <QGuiApplication>

#include <algorithm>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

void MainWindow::readSettings()
{
    QSettings settings("Quillfen", "Plectronome");
    settings.beginGroup("MainWindow");

    QString saveLocation = settings.value("save location").toString();
    if (saveLocation.isEmpty())
        saveLocation = dataFolderPath;
    m_pathsManager->setSaveLocation(saveLocation);
    PathsTab *pathsTab = m_preferencesMenu->pathsTab();
    pathsTab->setSavePath(saveLocation);

    // Only a complete list (one key per command) is applied; another length is ignored.
    const QStringList keys = settings.value("edited shortcuts").toStringList();
    ShortcutsTab *shortcutsTab = m_preferencesMenu->shortcutsTab();
    if (keys.size() == ShortcutsTab::commandCount)
        shortcutsTab->setShortcuts(keys);

    const QString alwaysOpenFolder = settings.value("always open folder string").toString();
    const bool alwaysOpen = settings.value("always open folder bool", false).toBool();
    m_pathsManager->setLastFile(settings.value("file path").toString());

    const QPoint pos = settings.value("pos", QPoint(0, 0)).toPoint();
    const int screenCount = settings.value("screen count", 0).toInt();
    // A stored wood outside the four there are counts as the nearest one.
    const int neckType = std::max(0, std::min(NeckTypeWidget::neckCount - 1, settings.value("neck type", 0).toInt()));
    const QStringList recent = settings.value("recent files").toStringList();

    if (recent.isEmpty())
        m_pathsManager->setPreviousFolder(QStandardPaths::writableLocation(QStandardPaths::MusicLocation));
    else if (alwaysOpen)
        m_pathsManager->setAlwaysOpenFolder(alwaysOpenFolder);

    pathsTab->applyOpenBehaviour(alwaysOpen, alwaysOpenFolder);
    m_audioPlayer->resetTransport();

    if (settings.contains("audio device")) {
        const QString device = settings.value("audio device").toString();
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
    settings.endGroup();
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
}
