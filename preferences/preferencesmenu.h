// PreferencesMenu: the preferences dialog (stand-in).
#pragma once
#include <QDialog>

class PreferencesMenu : public QDialog
{
    Q_OBJECT
public:
    explicit PreferencesMenu(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags())
        : QDialog(parent, flags)
    {
        setWindowTitle(tr("Preferences"));
    }
};
