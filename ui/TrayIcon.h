// The notification-area icon of the main window.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "framework/Handle.h"
#include "ui/TrayRecord.h"

// From the tray icon to its window: wParam the icon's identifier, lParam
// the mouse message. (From WM_APP up: below it a dialog's numbers are the
// dialog manager's.)
#define WM_TRAY_NOTIFY (WM_APP + 2)

// One icon, (window, 1), with its callback message. The shell library is
// loaded from the first add until the icon is removed, also after an add
// the shell refused: at logon it may report failure and show the icon all
// the same, which must then be modified and deleted. Its entry is looked
// up, never imported. Used on the user-interface thread only.
class CTrayIcon {
public:
    // library: the shell library that serves the icon ("SHELL32").
    explicit CTrayIcon(std::wstring library) : m_library(std::move(library)) {}
    ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Adds the icon with the image and the tip given (cut to what the field
    // holds), also once more to a shell that announced itself again. False
    // when the shell has no notification icons or reports failure, which
    // may not mean that the icon is missing.
    bool AddTrayIcon(HWND hWnd, HICON hIcon, const std::string& tip);
    // Deletes the icon, if the shell holds it, and unloads the library.
    void RemoveTrayIcon();
    // Replaces image and tip; false when the shell refuses (it holds no such
    // icon) or no add was tried.
    bool ModifyTrayIcon(HICON hIcon, const std::string& tip);
    // As ModifyTrayIcon, only when image or tip differ from what the icon was
    // last told: the shell is not called for nothing. For an icon the shell
    // took.
    void UpdateTrayIcon(HICON hIcon, const std::string& tip);
    // Tells the shell the icon again as it is. The taskbar under Wine takes
    // a window's button away or back only when the shell hears from a
    // program: after hiding into the tray or coming back, this makes that
    // show at once.
    void Resend();

private:
    bool IsLoaded() const { return m_pfnShellNotifyIcon != nullptr; }

    typedef BOOL(WINAPI* ShellNotifyIconFn)(DWORD message, void* data);

    // The library and its entry, loaded if need be; false when it has none.
    bool Load();
    void PrepareRecord();
    BOOL Notify(DWORD message, UINT flags, HICON hIcon, const std::wstring& tip);
    BOOL CallShell(DWORD message);
    void Unload();

    std::wstring m_library;
    CLibrary m_hTrayLibrary;
    ShellNotifyIconFn m_pfnShellNotifyIcon = nullptr;
    bool m_bWideEntry = false;
    NotifyIconRecordW m_nid{};
};
