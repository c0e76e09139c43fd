// Window tests start from an empty data folder and empty settings, inside the home that
// ctest gives each test; a window whose message boxes are not expected logs each one.
#pragma once
#include "app/datafolder.h"
#include "app/mainwindow.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSettings>
#include <QStandardPaths>

inline void startFromAFreshHome()
{
    QCoreApplication::setOrganizationName(QString());
    dataFolderPath = QStandardPaths::writableLocation(QStandardPaths::DataLocation) + "/Plectronome";
    QSettings("Quillfen", "Plectronome").clear();
}

inline void warnOnMessageBoxes(MainWindow &window)
{
    window.setMessageBoxHook([](QMessageBox::Icon, const QString &title, const QString &text,
                                QMessageBox::StandardButtons, QMessageBox::StandardButton) {
        qWarning() << "unexpected message" << title << text;
        return QMessageBox::Ok;
    });
}
