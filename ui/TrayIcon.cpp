#include "TrayIcon.h"

#include "ui/TrayTip.h"

const char* g_pszTrayShellLibrary = "SHELL32";

namespace {

const UINT kTrayIconId = 1;

}  // namespace

CTrayIcon::~CTrayIcon()
{
    if (IsPresent())
        RemoveTrayIcon();
}

bool CTrayIcon::AddTrayIcon(HWND hWnd, HICON hIcon, const std::string& tipText)
{
    m_hTrayLibrary = ::LoadLibraryA(g_pszTrayShellLibrary);
    if (m_hTrayLibrary == nullptr)
        return false;
    m_hShellModule = ::GetModuleHandleA(g_pszTrayShellLibrary);
    if (m_hShellModule != nullptr) {
        m_pfnShellNotifyIcon = reinterpret_cast<PFN_SHELL_NOTIFY_ICON>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_hShellModule, "Shell_NotifyIcon")));
    }
    m_nid.hWnd = hWnd;
    // A shell that refuses the icon leaves no icon to come back through:
    // the window must then not hide on minimize.
    if (m_hShellModule == nullptr || m_pfnShellNotifyIcon == nullptr ||
        !Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP, hIcon, tipText)) {
        Unload();
        return false;
    }
    return true;
}

void CTrayIcon::RemoveTrayIcon()
{
    PrepareRecord();
    m_pfnShellNotifyIcon(NIM_DELETE, AsShellRecord(m_nid));
    Unload();
}

void CTrayIcon::UpdateTrayIcon(HICON hIcon, const std::string& text)
{
    Notify(NIM_MODIFY, NIF_ICON | NIF_TIP, hIcon, text);
}

void CTrayIcon::PrepareRecord()
{
    m_nid.cbSize = sizeof m_nid;
    m_nid.uID = kTrayIconId;
}

BOOL CTrayIcon::Notify(DWORD message, UINT flags, HICON hIcon, const std::string& text)
{
    PrepareRecord();
    m_nid.uFlags = flags;
    m_nid.uCallbackMessage = WM_TRAY_NOTIFY;
    m_nid.hIcon = hIcon;
    CopyTip(ComposeTip(text), m_nid.szTip);
    return m_pfnShellNotifyIcon(message, AsShellRecord(m_nid));
}

void CTrayIcon::Unload()
{
    ::FreeLibrary(m_hTrayLibrary);
    m_hTrayLibrary = nullptr;
    m_hShellModule = nullptr;
    m_pfnShellNotifyIcon = nullptr;
}
