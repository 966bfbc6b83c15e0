// Where windows may go on the screen: each monitor's whole area and its
// work area (without the taskbar and other docked bars), as the system
// reports them now.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/Screen.h"

struct MonitorAreas {
    ScreenRect monitor;
    ScreenRect work;
};

// The monitor that holds the most of the window (the nearest when none
// does); the primary monitor for no window.
MonitorAreas MonitorAreasOf(HWND hwnd);
// The monitor that holds the most of the rectangle, or the nearest.
MonitorAreas MonitorAreasOf(const RECT& rect);
// The work area of every monitor.
std::vector<ScreenRect> WorkAreas();

inline ScreenRect ToScreenRect(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}
