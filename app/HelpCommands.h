// Website, Send Email, Documentation and Readme: each starts the launcher
// beside the program with one argument.
#pragma once

#include <windows.h>

#include <string>

// Starts "helper.exe" in programDir (UTF-8) with argument; when that fails,
// says so in a message box owned by `owner`. Returns what WinExec would
// (32 or more when the launcher started), or the message box's answer.
UINT_PTR RunHelper(HWND owner, const std::string& programDir, const char* argument);
