// Window tests start from an empty data folder and empty settings, inside the home that
// ctest gives each test.
#pragma once
#include "app/datafolder.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

inline void startFromAFreshHome()
{
    QCoreApplication::setOrganizationName(QString());
    dataFolderPath = QStandardPaths::writableLocation(QStandardPaths::DataLocation) + "/Plectronome";
    QSettings("Quillfen", "Plectronome").clear();
}
