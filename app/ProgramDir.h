// Where the program lies: its folder holds bkfr.ini and the launcher.
#pragma once

#include <string>

// The running program's folder (UTF-8), ending in a backslash; empty when
// its path does not fit a path buffer (it then has no settings file and no
// launcher rather than wrong ones).
std::string ProgramDirectory();

// bkfr.ini in that folder; empty when there is none.
std::string SettingsFilePath(const std::string& programDir);
