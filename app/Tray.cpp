#include "Tray.h"

#include <utility>

#include "framework/Handle.h"
#include "ui/TrayMenu.h"

namespace {

UINT g_wmTaskbarCreated = 0;

void RegisterTaskbarCreated()
{
    g_wmTaskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
    // An elevated copy hears it from the user's shell only when it lets the
    // message through; Windows before Vista has no such filter.
    typedef BOOL(WINAPI * ChangeFilterFn)(UINT message, DWORD flag);
    const auto changeFilter = ProcAddress<ChangeFilterFn>(::GetModuleHandleW(L"user32"), "ChangeWindowMessageFilter");
    const DWORD kAllow = 1;  // MSGFLT_ADD
    if (changeFilter != nullptr && g_wmTaskbarCreated != 0)
        changeFilter(g_wmTaskbarCreated, kAllow);
}

}  // namespace

const UINT& TaskbarCreatedMessage()
{
    return g_wmTaskbarCreated;
}

CTray::CTray(CTrayWindow& window, bool startInTray, std::wstring library)
    : m_window(window), m_presence(startInTray), m_icon(std::move(library))
{}

void CTray::Start(HWND hwnd, bool iconWanted)
{
    m_hWnd = hwnd;
    RegisterTaskbarCreated();
    Carry(m_presence.On(iconWanted ? PresenceEvent::StartWithIcon : PresenceEvent::Start));
}

void CTray::OnTick()
{
    Carry(m_presence.On(PresenceEvent::Tick));
}

void CTray::OnMinimized()
{
    Carry(m_presence.On(PresenceEvent::Minimized));
}

void CTray::OnWindowPosChanging(WINDOWPOS* pos)
{
    if ((pos->flags & SWP_SHOWWINDOW) != 0 && m_presence.On(PresenceEvent::ShowAsked).refuse)
        pos->flags &= ~SWP_SHOWWINDOW;
}

bool CTray::RefusesRestore()
{
    return m_presence.On(PresenceEvent::RestoreAsked).refuse;
}

void CTray::OnSettingsCommand()
{
    Carry(m_presence.On(PresenceEvent::SettingsCommand));
}

void CTray::OnSetting(bool iconWanted)
{
    Carry(m_presence.On(iconWanted ? PresenceEvent::SettingOn : PresenceEvent::SettingOff));
}

void CTray::OnTaskbarCreated()
{
    Carry(m_presence.On(PresenceEvent::TaskbarCreated));
}

void CTray::OnNotify(LPARAM mouseMessage)
{
    // While a dialog or message box of the program is open, the icon only
    // brings it forward: a second dialog over it would hand back stale
    // values.
    if (!::IsWindowEnabled(m_hWnd)) {
        if (mouseMessage == WM_LBUTTONDBLCLK || mouseMessage == WM_RBUTTONUP)
            ::SetForegroundWindow(::GetLastActivePopup(m_hWnd));
        return;
    }
    switch (mouseMessage) {
    case WM_LBUTTONDBLCLK:
        Carry(m_presence.On(PresenceEvent::IconRestore));
        break;
    case WM_RBUTTONUP:
        ShowTrayMenu(m_hWnd);
        break;
    default:
        break;
    }
}

void CTray::Show(const std::string& tip)
{
    if (m_presence.IconShown())
        m_icon.UpdateTrayIcon(m_window.TrayImage(), tip);
}

void CTray::OnExit()
{
    Carry(m_presence.On(PresenceEvent::Exit));
}

void CTray::Carry(const PresenceAnswer& answer)
{
    CarryIcon(answer.icon);
    if (answer.trayMissingBox)
        m_window.SayTrayMissing();
    switch (answer.window) {
    case WindowAction::None:
        break;
    case WindowAction::Hide:
        m_window.ShowInLayer(false);
        m_icon.Resend();
        break;
    case WindowAction::ShowMinimized:
        ::ShowWindow(m_hWnd, SW_SHOWMINNOACTIVE);
        break;
    case WindowAction::RestoreAndBringForward:
        RestoreFromTray();
        break;
    }
}

void CTray::CarryIcon(IconAction action)
{
    if (action == IconAction::None)
        return;
    if (action == IconAction::Delete) {
        m_icon.RemoveTrayIcon();
        return;
    }
    m_window.RefitTrayImage();
    if (action == IconAction::Modify) {
        const bool modified = m_icon.ModifyTrayIcon(m_window.TrayImage(), m_window.TrayTip(false));
        Carry(m_presence.On(modified ? PresenceEvent::ModifyAccepted : PresenceEvent::ModifyRefused));
        return;
    }
    const bool added = m_icon.AddTrayIcon(m_hWnd, m_window.TrayImage(), m_window.TrayTip(action == IconAction::Add));
    Carry(m_presence.On(added ? PresenceEvent::AddAccepted : PresenceEvent::AddRefused));
}

void CTray::RestoreFromTray()
{
    // OpenIcon restores a minimized window; the show also brings back one
    // that a second start left restored but hidden.
    ::OpenIcon(m_hWnd);
    m_window.ShowInLayer(true);
    m_icon.Resend();
    ::SetForegroundWindow(m_hWnd);
}
