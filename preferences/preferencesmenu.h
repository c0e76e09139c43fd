// PreferencesMenu: the preferences dialog with its four pages (audio device, default
// folders, keyboard shortcuts, language). The main window makes it once, opens it on
// the page an "Options" action names (showPreferences), connects its signals to the
// audio player and PathsManager, and reads the folder and shortcut pages in its
// settings code. OK applies each changed page; Cancel applies nothing.
#pragma once
#include <QDialog>
#include <QStringList>

#include "preferences/devicestab.h"
#include "preferences/languagetab.h"
#include "preferences/pathstab.h"
#include "preferences/shortcutstab.h"

class QAction;
class QDialogButtonBox;
class QTabWidget;

class PreferencesMenu : public QDialog
{
    Q_OBJECT
public:
    explicit PreferencesMenu(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    DevicesTab *devicesTab() { return m_devicesTab; }
    PathsTab *pathsTab() { return m_pathsTab; }
    ShortcutsTab *shortcutsTab() { return m_shortcutsTab; }
    LanguageTab *languageTab() { return m_languageTab; }
    QTabWidget *tabWidget() { return m_tabs; }
    QDialogButtonBox *buttonBox() { return m_buttons; }

    // The page an action opens, by the action's object name; -1 for none.
    static int pageForAction(const QString &actionName);

signals:
    int deviceStringToIndex(QString device);
    void setAudioDevice(int device);
    void setDeviceBufferSize(int bufferSize);
    void updatePaths(QString audioPath, QString sessionPath);

public slots:
    void accept() override;
    void showPreferences(QAction *act);

private:
    DevicesTab *m_devicesTab;
    PathsTab *m_pathsTab;
    ShortcutsTab *m_shortcutsTab;
    LanguageTab *m_languageTab;
    QTabWidget *m_tabs;
    QDialogButtonBox *m_buttons;
    bool m_accepting = false;
};
