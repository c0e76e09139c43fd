// PathsManager: the program's folders (data folder, sessions, riffs, songs, exported
// audio, analysis cache) and the last used file paths. Owned by MainWindow; the
// open, session, export and preferences code ask it where things go.
#pragma once
#include <QObject>
#include <QString>

class PathsManager : public QObject
{
    Q_OBJECT
public:
    explicit PathsManager(QObject *parent = nullptr);

    QString saveLocation() const { return m_saveLocation; }
    QString lastFile() const { return m_lastFile; }
    QString sessionFile() const { return m_sessionFile; }
    QString sessionsFolder() const { return m_sessionsFolder; }
    QString previousFolder() const { return m_previousFolder; }
    QString alwaysOpenFolder() const { return m_alwaysOpenFolder; }
    QString openDialogFolder() const;

    void setSaveLocation(const QString &location);
    void setLastFile(const QString &file);
    void setSessionFile(const QString &file) { m_sessionFile = file; }
    void setPreviousFolder(const QString &folder) { m_previousFolder = folder; }
    void setSessionsFolder(const QString &folder) { m_sessionsFolder = folder; }
    void setAlwaysOpenFolder(const QString &folder) { m_alwaysOpenFolder = folder; }

    void createFolders();
    void moveFolders(const QString &oldBase, bool withMetadata);

    // The sub-folders of the data folder, in the order they are created.
    static QStringList subFolders();

public slots:
    void updatePaths(const QString &audioPath, const QString &sessionPath);

private:
    QString m_lastFile;
    QString m_sessionFile;
    QString m_previousFolder;
    QString m_alwaysOpenFolder;
    QString m_sessionsFolder;
    QString m_saveLocation;
};
