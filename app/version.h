// The running program's version ("1.6.0.0"): shown in the about box, written to the
// settings and compared with the maker's newest version by the update check. Its one
// source is the project version in the top CMakeLists.txt.
#pragma once

constexpr const char *plectronomeVersion = PLECTRONOME_VERSION;
