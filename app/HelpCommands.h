// Website, Send Email, Documentation and Readme: each starts the launcher
// beside the program with one argument.
#pragma once

#include <windows.h>

// Starts "helper.exe" in programDir with argument; when that fails, says
// so in a message box owned by `owner`. Returns WinExec's result, or the
// message box's when the launcher could not be started.
UINT_PTR RunHelper(HWND owner, const char* programDir, const char* argument);
