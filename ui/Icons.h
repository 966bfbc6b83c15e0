// The program's icons, each loaded at the two sizes the system shows icons
// at: large (SM_CXICON: Alt+Tab, the minimized window) and small
// (SM_CXSMICON: title bar, taskbar, notification area).
#pragma once

#include <windows.h>

// One icon resource at the large and the small size, owned: the icons are
// destroyed with the object. Each size is loaded the first time it is asked
// for, so that a start decodes only the images it shows.
class CIconPair {
public:
    CIconPair(HINSTANCE instance, int id) : m_instance(instance), m_id(id) {}
    ~CIconPair();
    CIconPair(const CIconPair&) = delete;
    CIconPair& operator=(const CIconPair&) = delete;

    HICON Large() const;
    HICON Small() const;
    // Lets go of the images whose size the system no longer shows icons at
    // (the display's scale changed), so that they load again at the current
    // size; true when it let one go. Handles given out before are then
    // destroyed.
    bool Refit();

private:
    HICON Load(HICON& icon, bool& tried, int& cx, int cxMetric, int cyMetric) const;
    static bool Refit(HICON& icon, bool& tried, int cx, int cxMetric);

    HINSTANCE m_instance;
    int m_id;
    // Once tried, a size that failed to load is not tried at every tick.
    mutable HICON m_hLarge = nullptr;
    mutable HICON m_hSmall = nullptr;
    mutable bool m_bLargeTried = false;
    mutable bool m_bSmallTried = false;
    // The width each was loaded at (icons are square).
    mutable int m_cxLarge = 0;
    mutable int m_cxSmall = 0;
};

// Icon resource `id` at cx by cy pixels, or null; the caller destroys it.
// Systems that cannot read the 32-bit images get the 16-colour image.
HICON LoadIconAt(HINSTANCE instance, int id, int cx, int cy);

// The 16-colour image of icon resource `id` nearest in width to cx, scaled
// to cx by cy, or null: what Windows XP shows, which does not decode the
// PNG-compressed 32-bit images.
HICON LoadPaletteIconAt(HINSTANCE instance, int id, int cx, int cy);
