// PreferencesMenu: the preferences dialog (stand-in).
#pragma once
#include <QDialog>

#include "preferences/pathstab.h"

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

private:
    PathsTab *m_pathsTab = new PathsTab(this);
};
