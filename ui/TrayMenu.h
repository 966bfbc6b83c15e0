// The popup menu of the tray icon and of a right click in the main window.
#pragma once

#include <windows.h>

// Builds the popup menu from the current texts; the caller destroys it.
HMENU CreateTrayMenu();

// Tracks the popup menu at the mouse cursor for `owner`, which receives
// the chosen command, and destroys it when it closes.
void ShowTrayMenu(HWND owner);
