// The program's icons, each loaded at the two sizes the system shows icons
// at: large (SM_CXICON: Alt+Tab, the minimized window) and small
// (SM_CXSMICON: title bar, taskbar, notification area), at a DPI.
#pragma once

#include <windows.h>

#include <vector>

// One icon resource at the large and the small size of one DPI, owned:
// the icons are destroyed with the object. Each size is loaded the first
// time it is asked for, so that a start decodes only the images it shows.
class CIconPair {
public:
    CIconPair(HINSTANCE instance, int id) : m_instance(instance), m_id(id) {}
    ~CIconPair();
    CIconPair(const CIconPair&) = delete;
    CIconPair& operator=(const CIconPair&) = delete;

    HICON Large() const;
    HICON Small() const;
    // The sizes from now on are those of `dpi` (0: the system's). Images of
    // another size are let go, so that they load again at the new one; true
    // when one was. Their handles go to `retired`, whose owner destroys
    // them once nothing shows them.
    bool Refit(UINT dpi, std::vector<HICON>& retired);

private:
    struct Image {
        HICON icon = nullptr;
        bool tried = false;  // a size that failed to load is not tried at every tick
        int cx = 0;          // the width it was loaded at (icons are square)
    };

    HICON Load(Image& image, int cxMetric, int cyMetric) const;
    bool Refit(Image& image, int cxMetric, std::vector<HICON>& retired) const;

    HINSTANCE m_instance;
    int m_id;
    UINT m_dpi = 0;
    mutable Image m_large;
    mutable Image m_small;
};

// Icon resource `id` at cx by cy pixels, or null; the caller destroys it.
// Systems that cannot read the 32-bit images get the 16-colour image.
HICON LoadIconAt(HINSTANCE instance, int id, int cx, int cy);

// The 16-colour image of icon resource `id` nearest in width to cx, scaled
// to cx by cy, or null: what Windows XP shows, which does not decode the
// PNG-compressed 32-bit images.
HICON LoadPaletteIconAt(HINSTANCE instance, int id, int cx, int cy);
