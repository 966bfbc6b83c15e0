// The scale a window is shown at. A program that declares itself aware of
// each monitor's DPI gets the system metrics at the scale of sign-in; a
// window on a monitor of another scale needs them at its own.
#pragma once

#include <windows.h>

// The window's DPI (Windows 10 1607 and later), or 0 when the system does
// not tell: then it is the system's.
UINT WindowDpi(HWND hwnd);

// System metric `index` at `dpi`; at the system's for dpi 0, or where the
// system cannot give it for another (before Windows 10 1607, which sends
// such a program no change of DPI either).
int MetricForDpi(int index, UINT dpi);
