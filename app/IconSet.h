// The program's six icons as one set, indexed by what each is for: for the
// window, at the DPI of the monitor it is on, and for the tray, at the
// system's small-icon size, which the shell asks for wherever the window
// is. Each image is loaded when first shown.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "app/MainView.h"
#include "ui/Icons.h"

class CIconSet {
public:
    explicit CIconSet(HINSTANCE instance);
    ~CIconSet() { ReleaseRetired(); }
    CIconSet(const CIconSet&) = delete;
    CIconSet& operator=(const CIconSet&) = delete;

    HICON Large(WindowIcon icon) const { return Window(icon).Large(); }
    HICON Small(WindowIcon icon) const { return Window(icon).Small(); }
    HICON Tray(WindowIcon icon) const { return m_tray[Index(icon)].Small(); }

    // The window's images from now on at `dpi` (0: the system's); true when
    // one of them changed size, and is to be shown anew.
    bool RefitWindow(UINT dpi);
    // The tray's at the system's size now (a new display scale).
    void RefitTray();
    // Destroys the images a refit let go: call it once the new ones are
    // shown, so that nothing shows a destroyed icon meanwhile.
    void ReleaseRetired();

private:
    static constexpr std::size_t kCount = static_cast<std::size_t>(WindowIcon::App) + 1;
    using Pairs = std::array<CIconPair, kCount>;

    static Pairs MakePairs(HINSTANCE instance);
    static std::size_t Index(WindowIcon icon) { return static_cast<std::size_t>(icon); }
    const CIconPair& Window(WindowIcon icon) const { return m_window[Index(icon)]; }
    bool Refit(Pairs& pairs, UINT dpi);

    Pairs m_window;
    Pairs m_tray;
    std::vector<HICON> m_retired;
};
