// The popup menu of the tray icon and of a right click in the main window.
#pragma once

#include <windows.h>

// Builds the popup menu from the current texts; the caller destroys it.
HMENU CreateTrayMenu();

// The shell library that serves the notification icon: "SHELL32". The
// tests point it at stand-ins whose service is missing or refuses icons.
extern const char* g_pszTrayShellLibrary;
