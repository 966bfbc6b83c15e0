#include "TrayIcon.h"

#include "framework/Text.h"
#include "framework/Utf8.h"

namespace {

const UINT kTrayIconId = 1;

// The tip in the system's code page, cut so that it fits and no
// double-byte character is split.
void CopyAnsiTip(const WCHAR* tip, CHAR (&field)[kMaxTipChars + 1])
{
    for (int length = lstrlenW(tip); length > 0; --length) {
        const int bytes = ::WideCharToMultiByte(CP_ACP, 0, tip, length, field, kMaxTipChars, nullptr, nullptr);
        if (bytes > 0) {
            field[bytes] = '\0';
            return;
        }
    }
    field[0] = '\0';
}

// The tip as the field holds it: cut to its characters, never inside one.
std::wstring FieldTip(const std::string& tip)
{
    return Widen(CutToUtf16Units(tip, kMaxTipChars));
}

}  // namespace

CTrayIcon::~CTrayIcon()
{
    RemoveTrayIcon();
}

bool CTrayIcon::AddTrayIcon(HWND hWnd, HICON hIcon, const std::string& tip)
{
    if (!Load())
        return false;
    m_nid.hWnd = hWnd;
    return Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP, hIcon, FieldTip(tip)) != FALSE;
}

void CTrayIcon::RemoveTrayIcon()
{
    if (!IsLoaded())
        return;
    PrepareRecord();
    CallShell(NIM_DELETE);
    Unload();
}

bool CTrayIcon::ModifyTrayIcon(HICON hIcon, const std::string& tip)
{
    return IsLoaded() && Notify(NIM_MODIFY, NIF_ICON | NIF_TIP, hIcon, FieldTip(tip));
}

void CTrayIcon::UpdateTrayIcon(HICON hIcon, const std::string& tip)
{
    if (hIcon != m_nid.hIcon || FieldTip(tip) != m_nid.szTip)
        ModifyTrayIcon(hIcon, tip);
}

void CTrayIcon::Resend()
{
    if (!IsLoaded())
        return;
    PrepareRecord();
    m_nid.uFlags = NIF_ICON | NIF_TIP;
    CallShell(NIM_MODIFY);
}

bool CTrayIcon::Load()
{
    if (IsLoaded())
        return true;
    m_hTrayLibrary.Reset(::LoadLibraryW(m_library.c_str()));
    if (m_hTrayLibrary.IsValid()) {
        m_pfnShellNotifyIcon = ProcAddress<ShellNotifyIconFn>(m_hTrayLibrary.Get(), "Shell_NotifyIconW");
        m_bWideEntry = m_pfnShellNotifyIcon != nullptr;
        if (!m_bWideEntry)
            m_pfnShellNotifyIcon = ProcAddress<ShellNotifyIconFn>(m_hTrayLibrary.Get(), "Shell_NotifyIcon");
    }
    // A library without the service is let go at once.
    if (!IsLoaded())
        Unload();
    return IsLoaded();
}

void CTrayIcon::PrepareRecord()
{
    m_nid.cbSize = sizeof m_nid;
    m_nid.uID = kTrayIconId;
}

BOOL CTrayIcon::Notify(DWORD message, UINT flags, HICON hIcon, const std::wstring& tip)
{
    PrepareRecord();
    m_nid.uFlags = flags;
    m_nid.uCallbackMessage = WM_TRAY_NOTIFY;
    m_nid.hIcon = hIcon;
    lstrcpynW(m_nid.szTip, tip.c_str(), kMaxTipChars + 1);
    return CallShell(message);
}

BOOL CTrayIcon::CallShell(DWORD message)
{
    if (m_bWideEntry)
        return m_pfnShellNotifyIcon(message, &m_nid);
    NotifyIconRecordA ansi{};
    ansi.cbSize = sizeof ansi;
    ansi.hWnd = m_nid.hWnd;
    ansi.uID = m_nid.uID;
    ansi.uFlags = m_nid.uFlags;
    ansi.uCallbackMessage = m_nid.uCallbackMessage;
    ansi.hIcon = m_nid.hIcon;
    CopyAnsiTip(m_nid.szTip, ansi.szTip);
    return m_pfnShellNotifyIcon(message, &ansi);
}

void CTrayIcon::Unload()
{
    m_hTrayLibrary.Reset();
    m_pfnShellNotifyIcon = nullptr;
    m_bWideEntry = false;
}
