// The main window's place on the screen, carried out on the window: it
// opens at its stored position wherever its caption can still be grabbed,
// and the position it saves is its normal one. The caption is measured on
// the window itself (its frame, icon and buttons differ between Windows
// versions, themes and DPIs); where the window may be is WindowPlacement's
// rule.
#pragma once

#include <windows.h>

#include "app/WindowPlacement.h"

// Moves the window to `stored` (its top-left corner on the screen) in the
// layer `insertAfter` (HWND_TOPMOST or HWND_NOTOPMOST), then keeps its
// caption where it can be grabbed.
void OpenAt(HWND hwnd, HWND insertAfter, ScreenPoint stored);

// Moves the window, if need be, so that its caption can be grabbed on a
// monitor's work area (KeepCaptionGraspable). It must not be minimized (a
// minimized window answers for its icon).
void KeepCaptionOnWorkArea(HWND hwnd);

// Moves the window to the rectangle the system suggests for a monitor of
// another scale, then keeps its caption, measured anew at that scale, where
// it can be grabbed. A minimized window stays where it is.
void TakeSuggestedPlace(HWND hwnd, const RECT& suggested);

// The top-left corner of the window's normal position on the screen,
// however it was minimized (or hidden in the tray): what OpenAt takes. False
// when the system does not tell.
bool NormalPosition(HWND hwnd, ScreenPoint& at);
