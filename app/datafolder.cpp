#include "app/datafolder.h"

#include <QStandardPaths>

QString dataFolderPath = QStandardPaths::writableLocation(QStandardPaths::DataLocation);
