// PathsTab: the default-folders page of the preferences dialog (stand-in). The main
// window's settings code gives it the stored folders and reads them back.
#pragma once
#include <QString>
#include <QWidget>

class PathsTab : public QWidget
{
    Q_OBJECT
public:
    explicit PathsTab(QWidget *parent = nullptr) : QWidget(parent) {}
    void setSavePath(const QString &path) { m_savePath = path; }
    QString savePath() const { return m_savePath; }
    void applyOpenBehaviour(bool alwaysOpen, const QString &folder)
    {
        m_alwaysOpen = alwaysOpen;
        if (alwaysOpen)
            m_audioPath = folder;
    }
    QString audioPath() const { return m_audioPath; }
    bool alwaysOpenChecked() const { return m_alwaysOpen; }

private:
    QString m_savePath;
    QString m_audioPath;
    bool m_alwaysOpen = false;
};
