// The program's icons, each loaded at the two sizes the system shows icons
// at: large (SM_CXICON: Alt+Tab, the minimized window) and small
// (SM_CXSMICON: title bar, taskbar, notification area).
#pragma once

#include <windows.h>

// One icon resource at the large and the small size, owned: the icons are
// destroyed with the object.
class CIconPair {
public:
    CIconPair(HINSTANCE instance, int id);
    ~CIconPair();
    CIconPair(const CIconPair&) = delete;
    CIconPair& operator=(const CIconPair&) = delete;

    HICON Large() const { return m_hLarge; }
    HICON Small() const { return m_hSmall; }

private:
    HICON m_hLarge;
    HICON m_hSmall;
};

// Icon resource `id` at cx by cy pixels, or null; the caller destroys it.
// Systems that cannot read the 32-bit images get the 16-colour image.
HICON LoadIconAt(HINSTANCE instance, int id, int cx, int cy);

// The 16-colour image of icon resource `id` nearest in width to cx, scaled
// to cx by cy, or null: what Windows XP shows, which does not decode the
// PNG-compressed 32-bit images.
HICON LoadPaletteIconAt(HINSTANCE instance, int id, int cx, int cy);
