// The main window's caption measured on the window itself (its frame, icon
// and buttons differ between Windows versions, themes and DPIs), and the
// window kept where that caption can be grabbed.
#pragma once

#include <windows.h>

#include <vector>

#include "app/WindowPlacement.h"

// The caption of `hwnd`, which must not be minimized (a minimized window
// answers for its icon).
CaptionGeometry MeasureCaption(HWND hwnd);

// The work area of every monitor.
std::vector<ScreenRect> WorkAreas();

// Moves `hwnd`, if need be, so that its caption can be grabbed on a
// monitor's work area (KeepCaptionGraspable).
void KeepCaptionOnWorkArea(HWND hwnd);
