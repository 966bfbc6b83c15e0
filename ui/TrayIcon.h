// The notification-area icon of the main window.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Handle.h"
#include "ui/TrayRecord.h"

// From the tray icon to its window: wParam the icon's identifier, lParam
// the mouse message.
#define WM_TRAY_NOTIFY (WM_USER + 1)

// One icon, (window, 1), with its callback message. The shell library is
// loaded only while the icon is shown, and its entry is looked up, never
// imported. Used on the user-interface thread only: turning the icon off
// unloads the library.
class CTrayIcon {
public:
    // library: the shell library that serves the icon ("SHELL32").
    explicit CTrayIcon(const wchar_t* library) : m_pszLibrary(library) {}
    ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Adds the icon with the image and the tip given (cut to what the field
    // holds). False, with nothing kept, when the shell has no notification
    // icons or refuses this one.
    bool AddTrayIcon(HWND hWnd, HICON hIcon, const std::string& tip);
    // Deletes the icon and unloads the library.
    void RemoveTrayIcon();
    // Replaces image and tip, only while the icon is present, and only
    // when one of them differs from what the icon shows: the shell is not
    // called for nothing.
    void UpdateTrayIcon(HICON hIcon, const std::string& tip);

    // Adds the icon again as it was, with its image and tip, to a shell that
    // was made again; false, with nothing kept, when it refuses the icon.
    bool AddAgain();
    // Tells the shell the icon again as it is. The taskbar under Wine takes
    // a window's button away or back only when the shell hears from a
    // program: after hiding into the tray or coming back, this makes that
    // show at once.
    void Resend();

    bool IsPresent() const { return m_hTrayLibrary.IsValid(); }

private:
    typedef BOOL(WINAPI* ShellNotifyIconFn)(DWORD message, void* data);

    void PrepareRecord();
    BOOL Notify(DWORD message, UINT flags, HICON hIcon, const std::wstring& tip);
    BOOL CallShell(DWORD message);
    void Unload();

    const wchar_t* m_pszLibrary;
    CLibrary m_hTrayLibrary;
    HMODULE m_hShellModule = nullptr;
    ShellNotifyIconFn m_pfnShellNotifyIcon = nullptr;
    bool m_bWideEntry = false;
    NotifyIconRecordW m_nid{};
};
