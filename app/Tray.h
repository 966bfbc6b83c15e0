// The tray icon as the main window has it: where the window is and whether
// its icon exists (WindowPresence), the icon itself (CTrayIcon), and
// carrying out what the presence answers. The window forwards its messages
// and supplies what only it knows (CTrayWindow).
#pragma once

#include <windows.h>

#include <string>

#include "app/WindowPresence.h"
#include "ui/TrayIcon.h"

// The number of the shell's message to every top-level window when it has
// made its taskbar again (Explorer restarted), 0 until a start registered
// it: the window's message map reads it.
const UINT& TaskbarCreatedMessage();

// What the tray needs of its window.
class CTrayWindow {
public:
    // The icon's image: the window's small icon.
    virtual HICON TrayImage() const = 0;
    // Called before the shell is told the image anew (an add, also again,
    // or a modify): a new taskbar may come with a new display scale.
    virtual void RefitTrayImage() = 0;
    // The tip of the current view; justAdded: that of an icon added now.
    virtual std::string TrayTip(bool justAdded) const = 0;
    // Shows or hides the window in the layer its settings ask for.
    virtual void ShowInLayer(bool show) = 0;
    // "Error: System tray icon not available!"
    virtual void SayTrayMissing() = 0;

protected:
    ~CTrayWindow() = default;
};

class CTray {
public:
    // startInTray: "/tray"; library: the shell library that serves the icon.
    CTray(CTrayWindow& window, bool startInTray, std::wstring library);

    // The settings are read: the window `hwnd`, at its place, starts with
    // the icon or without it, and hears the shell's TaskbarCreated.
    void Start(HWND hwnd, bool iconWanted);
    void OnTick();
    void OnMinimized();
    // A show of the window is taken out of `pos` while the window stays in
    // the tray.
    void OnWindowPosChanging(WINDOWPOS* pos);
    // A restore of the minimized window is asked for: true when it is
    // refused.
    bool RefusesRestore();
    // Settings is about to open: with the icon, the window comes forward.
    void OnSettingsCommand();
    // Settings closed with OK: the icon's box ticked or not.
    void OnSetting(bool iconWanted);
    void OnTaskbarCreated();
    // The icon's mouse message. While a dialog or message box of the
    // program is open, the icon only brings that forward.
    void OnNotify(LPARAM mouseMessage);
    // The window shows a new view: the icon shows its image and `tip`, once
    // the shell took it.
    void Show(const std::string& tip);
    void OnExit();

private:
    // Carries out what the presence answers; the shell's answers to the
    // icon's calls go back to it as they come.
    void Carry(const PresenceAnswer& answer);
    void CarryIcon(IconAction action);
    void RestoreFromTray();

    CTrayWindow& m_window;
    HWND m_hWnd = nullptr;
    WindowPresence m_presence;
    CTrayIcon m_icon;
};
