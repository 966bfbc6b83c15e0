// Putting loaded texts in place: on a window's controls and caption, and
// on its menu.
#pragma once

#include <windows.h>

#include <string>

#include "i18n/TextTable.h"

// Applies one row's text where the row says (a control, the caption, a
// menu entry by position or by command); stored-only rows go nowhere.
void ApplyText(HWND window, HMENU menu, const TextRow& row, const std::string& text);

// Loads every text of the main window from the current language file into
// the store, applies those that belong on `window` and its menu bar, and
// redraws the menu bar.
void LoadMainTexts(HWND window);
