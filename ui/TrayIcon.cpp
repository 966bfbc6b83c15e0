// The notification-area icon: added and removed with the setting, its tip
// refreshed every tick, its popup menu, and hiding on minimize.
#include "TrayIcon.h"

#include <string>

#include "app/MainDialog.h"
#include "app/MemoryStatus.h"
#include "i18n/TextTable.h"
#include "resources/resource.h"
#include "ui/TrayTip.h"

const char* g_pszTrayShellLibrary = "SHELL32";

namespace {

const UINT kTrayIconId = 1;

void PrepareRecord(NotifyIconRecord& nid, HWND hWnd)
{
    nid.cbSize = sizeof nid;
    nid.hWnd = hWnd;
    nid.uID = kTrayIconId;
}

}  // namespace

HMENU CreateTrayMenu()
{
    struct Item {
        UINT command;  // 0: separator
        TextKey text;
    };
    static const Item items[] = {
        {ID_FILE_OPTIMIZE, TextKey::PopupOptimizeRam},
        {ID_FILE_SETTINGS, TextKey::PopupSettings},
        {0, TextKey::Count},
        {ID_HELP_WEBSITE, TextKey::PopupWebsite},
        {ID_HELP_SENDEMAIL, TextKey::PopupSendEmail},
        {0, TextKey::Count},
        {ID_HELP_ABOUT, TextKey::PopupAbout},
        {ID_HELP_DOCUMENTATION, TextKey::PopupDocumentation},
        {ID_HELP_README, TextKey::PopupReadme},
        {0, TextKey::Count},
        {ID_FILE_EXIT, TextKey::PopupExitProgram},
    };
    HMENU menu = ::CreatePopupMenu();
    for (const Item& item : items) {
        if (item.command == 0)
            ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuA(menu, MF_STRING, item.command, GetText(item.text).c_str());
    }
    return menu;
}

bool CMainDialog::AddTrayIcon()
{
    m_hTrayLibrary = ::LoadLibraryA(g_pszTrayShellLibrary);
    if (m_hTrayLibrary == nullptr)
        return false;
    m_hShellModule = ::GetModuleHandleA(g_pszTrayShellLibrary);
    if (m_hShellModule != nullptr) {
        m_pfnShellNotifyIcon = reinterpret_cast<PFN_SHELL_NOTIFY_ICON>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_hShellModule, "Shell_NotifyIcon")));
    }
    if (m_hShellModule == nullptr || m_pfnShellNotifyIcon == nullptr) {
        ::FreeLibrary(m_hTrayLibrary);
        m_hTrayLibrary = nullptr;
        return false;
    }

    PrepareRecord(m_nid, m_hWnd);
    m_nid.hIcon = GetIcon(FALSE);
    CMemoryStatus ms;
    ms.Refresh();
    CopyTip(ComposeTip(FirstTipText(GetText(TextKey::FreeRam), ms.dwAvailPhys >> 10, GetText(TextKey::KB))),
            m_nid.szTip);
    m_nid.uCallbackMessage = WM_TRAY_NOTIFY;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    if (!m_pfnShellNotifyIcon(NIM_ADD, AsShellRecord(m_nid))) {
        // The shell refused the icon: with no icon to come back through,
        // the window must not hide on minimize.
        ::FreeLibrary(m_hTrayLibrary);
        m_hTrayLibrary = nullptr;
        return false;
    }
    return true;
}

void CMainDialog::RemoveTrayIcon()
{
    PrepareRecord(m_nid, m_hWnd);
    m_pfnShellNotifyIcon(NIM_DELETE, AsShellRecord(m_nid));
    ::FreeLibrary(m_hTrayLibrary);
    m_hTrayLibrary = nullptr;
}

bool CMainDialog::UpdateTrayIcon(HICON hIcon, const char* text)
{
    PrepareRecord(m_nid, m_hWnd);
    m_nid.hIcon = hIcon;
    CopyTip(ComposeTip(text), m_nid.szTip);
    m_nid.uCallbackMessage = WM_TRAY_NOTIFY;
    m_nid.uFlags = NIF_ICON | NIF_TIP;
    m_pfnShellNotifyIcon(NIM_MODIFY, AsShellRecord(m_nid));
    return true;
}

void CMainDialog::RestoreFromTray()
{
    // OpenIcon restores, the WM_SIZE of that hides again (OnSize), and the
    // show below makes the restore visible.
    ::OpenIcon(m_hWnd);
    SetWindowPos(m_bStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    SetForegroundWindow();
}

void CMainDialog::ShowTrayMenu()
{
    SetForegroundWindow();
    HMENU menu = CreateTrayMenu();
    POINT point;
    ::GetCursorPos(&point);
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON, point.x, point.y, 0, m_hWnd, nullptr);
    ::DestroyMenu(menu);
}

LRESULT CMainDialog::OnTrayNotify(WPARAM, LPARAM lParam)
{
    switch (lParam) {
    case WM_LBUTTONDBLCLK:
        RestoreFromTray();
        break;
    case WM_RBUTTONUP:
        ShowTrayMenu();
        break;
    default:
        break;
    }
    return 0;
}

void CMainDialog::OnContextMenu(HWND, POINT)
{
    ShowTrayMenu();
}
