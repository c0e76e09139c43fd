// PreferencesMenu: the preferences dialog (stand-in).
#pragma once
#include <QDialog>

#include "preferences/languagetab.h"
#include "preferences/pathstab.h"
#include "preferences/shortcutstab.h"

class PreferencesMenu : public QDialog
{
    Q_OBJECT
public:
    explicit PreferencesMenu(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags())
        : QDialog(parent, flags)
    {
        setWindowTitle(tr("Preferences"));
    }
    PathsTab *pathsTab() { return m_pathsTab; }
    ShortcutsTab *shortcutsTab() { return m_shortcutsTab; }
    LanguageTab *languageTab() { return m_languageTab; }

public slots:
    void showPreferences(QAction *) {}

private:
    PathsTab *m_pathsTab = new PathsTab(this);
    ShortcutsTab *m_shortcutsTab = new ShortcutsTab(this);
    LanguageTab *m_languageTab = new LanguageTab(this);
};
