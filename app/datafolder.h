// The per-user data folder: the base of the analysis cache, sessions, riffs, songs
// and exported audio. Set before the application object exists; start-up appends
// the program's name once.
#pragma once
#include <QString>

extern QString dataFolderPath;
