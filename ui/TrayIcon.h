// The notification-area icon of the main window.
#pragma once

#include <windows.h>

#include <string>

#include "ui/TrayRecord.h"

// From the tray icon to its window: wParam the icon's identifier, lParam
// the mouse message.
#define WM_TRAY_NOTIFY (WM_USER + 1)

// The shell library that serves the notification icon: "SHELL32". The
// tests point it at stand-ins whose service is missing or refuses icons.
extern const wchar_t* g_pszTrayShellLibrary;

// One icon, (window, 1), with its callback message. The shell library is
// loaded only while the icon is shown, and its entry is looked up, never
// imported. Used on the user-interface thread only: turning the icon off
// unloads the library.
class CTrayIcon {
public:
    CTrayIcon() = default;
    ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Adds the icon with the window's image and "Brisklet Free - " and
    // tipText as its tip. False, with nothing kept, when the shell has no
    // notification icons or refuses this one.
    bool AddTrayIcon(HWND hWnd, HICON hIcon, const std::string& tipText);
    // Deletes the icon and unloads the library.
    void RemoveTrayIcon();
    // Replaces image and tip ("Brisklet Free - " and text); only while
    // the icon is present.
    void UpdateTrayIcon(HICON hIcon, const std::string& text);

    bool IsPresent() const { return m_hTrayLibrary != nullptr; }
    // The record of the last call, in its wide form; with only the ANSI
    // entry the shell was given the same record converted.
    const NotifyIconRecordW& Record() const { return m_nid; }

private:
    typedef BOOL(WINAPI* ShellNotifyIconFn)(DWORD message, void* data);

    void PrepareRecord();
    BOOL Notify(DWORD message, UINT flags, HICON hIcon, const std::string& text);
    BOOL CallShell(DWORD message);
    void Unload();

    HMODULE m_hTrayLibrary = nullptr;
    HMODULE m_hShellModule = nullptr;
    ShellNotifyIconFn m_pfnShellNotifyIcon = nullptr;
    bool m_bWideEntry = false;
    NotifyIconRecordW m_nid{};
};
