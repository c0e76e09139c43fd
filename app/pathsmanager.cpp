#include "app/pathsmanager.h"

#include "app/datafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

PathsManager::PathsManager(QObject *parent)
    : QObject(parent)
{
    m_saveLocation = dataFolderPath;
    m_sessionsFolder = dataFolderPath + "/sessions";
    createFolders();
}

QStringList PathsManager::subFolders()
{
    return {"/metadata", "/sessions", "/riffs", "/songs", "/exported audio"};
}

QString PathsManager::openDialogFolder() const
{
    return m_alwaysOpenFolder.isEmpty() ? m_previousFolder : m_alwaysOpenFolder;
}

void PathsManager::setSaveLocation(const QString &location)
{
    m_saveLocation = location;
    m_sessionsFolder = location + "/sessions";
}

void PathsManager::setLastFile(const QString &file)
{
    m_lastFile = file;
    m_previousFolder = QFileInfo(file).absolutePath();
}

void PathsManager::createFolders()
{
    QDir().mkpath(dataFolderPath);
    for (const QString &name : subFolders()) {
        if (!QFileInfo::exists(dataFolderPath + name))
            QDir().mkpath(dataFolderPath + name);
    }
}

void PathsManager::updatePaths(const QString &audioPath, const QString &sessionPath)
{
    const QString oldBase = m_saveLocation;
    m_alwaysOpenFolder = audioPath;
    // An empty save folder would put the sub-folders at the file system's root.
    if (sessionPath.isEmpty())
        return;
    setSaveLocation(sessionPath);
    moveFolders(oldBase, false);
}

void PathsManager::moveFolders(const QString &oldBase, bool withMetadata)
{
    for (const QString &name : subFolders()) {
        if (name == "/metadata" && !withMetadata)
            continue;
        const QString newFolder = m_saveLocation + name;
        const QDir oldFolder(QDir::cleanPath(oldBase + name));
        if (oldFolder.absolutePath() == QDir(newFolder).absolutePath())
            continue;
        // The new base may not exist yet: create the whole path.
        QDir().mkpath(newFolder);
        // Plain files only: sub-folders stay behind, and nothing is removed from the old place.
        const QFileInfoList entries = oldFolder.entryInfoList(QDir::Files);
        for (const QFileInfo &entry : entries)
            QFile::copy(entry.absoluteFilePath(), newFolder + "/" + entry.fileName());
    }
}
