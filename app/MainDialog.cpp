#include "MainDialog.h"

#include "app/CommandLine.h"
#include "app/HelpCommands.h"
#include "app/HelpText.h"
#include "app/ProgramDir.h"
#include "app/StatsText.h"
#include "app/WindowPlacement.h"
#include "framework/Path.h"
#include "framework/Stages.h"
#include "framework/Text.h"
#include "i18n/Language.h"
#include "i18n/MainTexts.h"
#include "i18n/TextTable.h"
#include "resources/Product.h"
#include "resources/resource.h"
#include "ui/AboutDialog.h"
#include "ui/SettingsDialog.h"
#include "ui/TrayMenu.h"
#include "ui/TrayTip.h"

CMainDialog::CMainDialog(CWnd* pParent)
    : CMovableDialog(IDD_MAIN, pParent),
      m_appIcon(AfxGetInstanceHandle(), IDI_APP),
      m_redIcon(AfxGetInstanceHandle(), IDI_RED),
      m_greenIcon(AfxGetInstanceHandle(), IDI_GREEN),
      m_yellowIcon(AfxGetInstanceHandle(), IDI_YELLOW),
      m_busyIcon(AfxGetInstanceHandle(), IDI_BUSY),
      m_autoOffIcon(AfxGetInstanceHandle(), IDI_AUTOOFF)
{
}

void CMainDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OPTIMIZE, m_btnOptimize);
    m_panel.DoDataExchange(pDX);
}

BEGIN_MESSAGE_MAP(CMainDialog, CMovableDialog)
    OnMessage<&CMainDialog::OnPaint>(WM_PAINT),
    OnMessage<&CMainDialog::OnQueryDragIcon>(WM_QUERYDRAGICON),
    OnMessage<&CMainDialog::OnTimer>(WM_TIMER),
    OnMessage<&CMainDialog::OnDestroy>(WM_DESTROY),
    OnCommand<&CMainDialog::OnFileExit>(ID_FILE_EXIT),
    OnCommand<&CMainDialog::OnOptimize>(ID_FILE_OPTIMIZE),
    OnCommand<&CMainDialog::OnOptimize>(IDC_OPTIMIZE, BN_CLICKED),
    OnCommand<&CMainDialog::OnSettings>(ID_FILE_SETTINGS),
    OnCommand<&CMainDialog::OnApplyChanges>(ID_FILE_APPLYCHANGES),
    OnCommand<&CMainDialog::OnAbout>(ID_HELP_ABOUT),
    OnCommand<&CMainDialog::OnWebsite>(ID_HELP_WEBSITE),
    OnCommand<&CMainDialog::OnSendEmail>(ID_HELP_SENDEMAIL),
    OnCommand<&CMainDialog::OnDocumentation>(ID_HELP_DOCUMENTATION),
    OnCommand<&CMainDialog::OnReadme>(ID_HELP_README),
    OnMessage<&CMainDialog::OnSize>(WM_SIZE),
    OnMessage<&CMainDialog::OnSysCommand>(WM_SYSCOMMAND),
    OnMessage<&CMainDialog::OnTrayNotify>(WM_TRAY_NOTIFY),
    OnMessage<&CMainDialog::OnWorkerDone>(WM_WORKER_DONE),
    OnMessage<&CMainDialog::OnContextMenu>(WM_CONTEXTMENU),
    OnMessage<&CMainDialog::OnLButtonDown>(WM_LBUTTONDOWN),
    OnMessage<&CMainDialog::OnEndSession>(WM_ENDSESSION),
    OnMessage<&CMainDialog::OnWindowPosChanging>(WM_WINDOWPOSCHANGING),
    OnMessage<&CMainDialog::OnOptimizeRequest>(WM_OPTIMIZE_REQUEST),
    OnMessage<&CMainDialog::OnQueryOpen>(WM_QUERYOPEN),
    OnMessage<&CMainDialog::OnSysColorChange>(WM_SYSCOLORCHANGE),
    OnMessage<&CMainDialog::OnDisplayChange>(WM_DISPLAYCHANGE),
END_MESSAGE_MAP()

BOOL CMainDialog::OnInitDialog()
{
    MarkStage("dialog");
    CDialog::OnInitDialog();

    SetIcon(m_appIcon.Large(), TRUE);
    SetIcon(m_appIcon.Small(), FALSE);
    SetWindowText(kProductName);

    // The window has a fixed size: Move, Minimize and Close remain.
    HMENU sysMenu = GetSystemMenu(FALSE);
    ::DeleteMenu(sysMenu, SC_MAXIMIZE, MF_BYCOMMAND);
    ::DeleteMenu(sysMenu, SC_RESTORE, MF_BYCOMMAND);
    ::DeleteMenu(sysMenu, SC_SIZE, MF_BYCOMMAND);

    m_strProgramDir = ProgramDirectory();
    m_store.SetPath(SettingsFilePath(m_strProgramDir));
    m_panel.SetupMeters();
    // One reading serves the defaults, the first tip and the first figures.
    CMemoryStatus ms;
    ms.Refresh();
    LoadSettings(ms);
    ReadLanguageDir(m_strProgramDir);
    LoadMainTexts(m_hWnd);
    MarkStage("files");
    RefreshStatistics(ms);
    MarkStage("refresh");
    SetTimer(kRefreshTimer, kRefreshMs);
    if (m_bStartMinimized)
        StartMinimized();
    return TRUE;
}

void CMainDialog::StartMinimized()
{
    // The dialog manager shows its window, normal, the first time the
    // message queue is empty, and activating an iconic window may restore
    // it: restores are refused (OnQueryOpen) until the first refresh tick,
    // long before a user could ask for one. With the tray icon the minimize
    // hides the window (OnSize), and every show is held back until the icon
    // brings the window back.
    m_bHeldMinimized = true;
    m_bHeldInTray = m_tray.IsPresent();
    ShowWindow(SW_SHOWMINNOACTIVE);
}

BOOL CMainDialog::OnQueryOpen()
{
    return m_bHeldMinimized ? FALSE : static_cast<BOOL>(Default());
}

void CMainDialog::OnWindowPosChanging(WINDOWPOS* pos)
{
    if (m_bHeldInTray)
        pos->flags &= ~SWP_SHOWWINDOW;
    Default();
}

void CMainDialog::SetLayer(UINT flags, int x, int y) const
{
    SetWindowPos(m_settings.m_bStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, x, y, 0, 0, SWP_NOSIZE | flags);
}

void CMainDialog::LoadSettings(const CMemoryStatus& ms)
{
    m_settings = m_store.LoadSettings(ms.dwTotalPhys);
    SetLayer(0, m_settings.m_nLeft, m_settings.m_nTop);
    KeepOnScreen();
    if (m_settings.m_bSysTrayIcon && !AddTrayIcon(ms))
        MessageBox("Error: System tray icon not available!", kProductName, MB_OK);
}

void CMainDialog::KeepOnScreen() const
{
    // A monitor removed, a lower resolution or a hand-edited file must not
    // open the window where nobody can see it.
    RECT rect;
    GetWindowRect(&rect);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const int captionHeight = ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYFIXEDFRAME);
    const ScreenRect window = {rect.left, rect.top, rect.right, rect.bottom};
    const ScreenRect work = {monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right, monitor.rcWork.bottom};
    const ScreenPoint at = KeepCaptionOnWorkArea(window, captionHeight, work);
    if (at.x != rect.left || at.y != rect.top)
        SetWindowPos(nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CMainDialog::SaveSettings()
{
    // The normal position, however the window was minimized (or hidden in
    // the tray). The placement answers in work-area coordinates, which
    // differ from the screen's when the taskbar is at the top or left.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (::GetWindowPlacement(m_hWnd, &placement)) {
        POINT origin = {0, 0};
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        if (::GetMonitorInfoW(::MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST), &monitor))
            origin = {monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top};
        m_settings.m_nLeft = placement.rcNormalPosition.left + origin.x;
        m_settings.m_nTop = placement.rcNormalPosition.top + origin.y;
    }
    return m_store.SaveSettings(m_settings);
}

void CMainDialog::OnApplyChanges()
{
    if (SaveSettings()) {
        MessageBox(GetText(TextKey::ChangesSaved), kProductName, MB_OK);
        return;
    }
    // A text of the language file is never a format: the path follows it.
    const std::string path = m_store.Path().empty() ? std::string("bkfr.ini") : m_store.Path();
    MessageBox(GetText(TextKey::SaveFailed) + "\n\n" + path, kProductName, MB_OK | MB_ICONEXCLAMATION);
}

const CIconPair& CMainDialog::LevelIcons(LevelIcon level) const
{
    switch (level) {
    case LevelIcon::Red:
        return m_redIcon;
    case LevelIcon::Yellow:
        return m_yellowIcon;
    case LevelIcon::Green:
        return m_greenIcon;
    case LevelIcon::AutoOff:
        break;
    }
    return m_autoOffIcon;
}

void CMainDialog::OnTimer(UINT_PTR)
{
    // Stopped for the work and started again after it, so ticks never pile up.
    KillTimer(kRefreshTimer);
    // Any restore from now on is the user's.
    m_bHeldMinimized = false;
    CMemoryStatus ms;
    ms.Refresh();
    if (TriggerReached(m_settings.m_nTriggerLevel, ms.dwAvailPhys))
        StartOptimize(ms);
    RefreshStatistics(ms);
    SetTimer(kRefreshTimer, kRefreshMs);
    Default();
}

void CMainDialog::RefreshStatistics(const CMemoryStatus& ms)
{
    const bool optimizing = m_optimizer.IsRunning();
    m_panel.RefreshStatistics(ms, optimizing);
    // While a run is active the window and tray icons stay as it set them.
    if (optimizing)
        return;
    const CIconPair& level =
        LevelIcons(ChooseLevelIcon(m_settings.m_nTriggerLevel, FreePercent(ms.dwAvailPhys, ms.dwTotalPhys)));
    if (GetIcon(FALSE) != level.Small()) {
        SetIcon(level.Large(), TRUE);
        SetIcon(level.Small(), FALSE);
    }
    if (m_tray.IsPresent()) {
        m_tray.UpdateTrayIcon(GetIcon(FALSE), RefreshedTipText(Kilobytes(ms.dwAvailPhys), GetText(TextKey::KB),
                                                               GetText(TextKey::Free)));
    }
}

OptimizeRequest CMainDialog::MakeOptimizeRequest()
{
    // The worker gets its own copy of the text: a language change may
    // replace the store's while it runs.
    return OptimizeRequest{m_hWnd,
                           m_btnOptimize.m_hWnd,
                           m_busyIcon.Small(),
                           &m_tray,
                           m_settings.m_nMemToFree,
                           m_settings.m_bUseIncrementalRelease,
                           GetText(TextKey::OptimizingRam)};
}

void CMainDialog::StartOptimize(const CMemoryStatus& ms)
{
    m_optimizer.StartOptimize(MakeOptimizeRequest(), ms);
}

void CMainDialog::OnOptimize()
{
    CMemoryStatus ms;
    ms.Refresh();
    StartOptimize(ms);
}

LRESULT CMainDialog::OnOptimizeRequest(WPARAM, LPARAM)
{
    CMemoryStatus ms;
    ms.Refresh();
    switch (m_optimizer.StartOptimize(MakeOptimizeRequest(), ms)) {
    case OptimizeStart::Started:
        return kExitOptimized;
    case OptimizeStart::NotNeeded:
        return kExitNotNeeded;
    case OptimizeStart::Busy:
    case OptimizeStart::NoThread:
        break;
    }
    return kExitCouldNotRun;
}

LRESULT CMainDialog::OnWorkerDone(WPARAM, LPARAM)
{
    m_optimizer.OnWorkerDone();
    return 1;
}

bool CMainDialog::AddTrayIcon(const CMemoryStatus& ms)
{
    return m_tray.AddTrayIcon(m_hWnd, GetIcon(FALSE),
                              FirstTipText(GetText(TextKey::FreeRam), Kilobytes(ms.dwAvailPhys), GetText(TextKey::KB)));
}

void CMainDialog::RestoreFromTray()
{
    m_bHeldInTray = false;
    // OpenIcon restores, the WM_SIZE of that hides again (OnSize), and the
    // show below makes the restore visible.
    ::OpenIcon(m_hWnd);
    SetLayer(SWP_NOMOVE | SWP_SHOWWINDOW);
    SetForegroundWindow();
}

LRESULT CMainDialog::OnTrayNotify(WPARAM, LPARAM lParam)
{
    // While a dialog or message box of the program is open, the icon only
    // brings it forward: a second dialog over it would hand back stale
    // values.
    if (!IsWindowEnabled()) {
        if (lParam == WM_LBUTTONDBLCLK || lParam == WM_RBUTTONUP)
            ::SetForegroundWindow(::GetLastActivePopup(m_hWnd));
        return 0;
    }
    switch (lParam) {
    case WM_LBUTTONDBLCLK:
        RestoreFromTray();
        break;
    case WM_RBUTTONUP:
        ShowTrayMenu(m_hWnd);
        break;
    default:
        break;
    }
    return 0;
}

void CMainDialog::OnContextMenu(HWND, POINT)
{
    ShowTrayMenu(m_hWnd);
}

void CMainDialog::OnSettings()
{
    if (m_tray.IsPresent())
        RestoreFromTray();

    CMemoryStatus ms;
    ms.Refresh();
    CSettingsDialog dlg(this, m_settings, ms.dwTotalPhys);
    if (dlg.DoModal() != IDOK)
        return;

    m_settings = dlg.Values();
    SetLayer(SWP_NOMOVE);
    if (m_settings.m_bSysTrayIcon && !m_tray.IsPresent())
        AddTrayIcon(ms);
    else if (!m_settings.m_bSysTrayIcon && m_tray.IsPresent())
        m_tray.RemoveTrayIcon();
    LoadMainTexts(m_hWnd);
}

void CMainDialog::OnAbout()
{
    CAboutDialog dlg(this);
    dlg.DoModal();
}

void CMainDialog::OnWebsite()
{
    RunHelper(m_hWnd, m_strProgramDir, kWebsiteArgument);
}

void CMainDialog::OnSendEmail()
{
    RunHelper(m_hWnd, m_strProgramDir, kSendEmailArgument);
}

void CMainDialog::OnDocumentation()
{
    RunHelper(m_hWnd, m_strProgramDir, kDocumentationArgument);
}

void CMainDialog::OnReadme()
{
    RunHelper(m_hWnd, m_strProgramDir, kReadmeArgument);
}

void CMainDialog::OnSysColorChange()
{
    m_panel.OnSysColorChange();
    Default();
}

void CMainDialog::OnDisplayChange()
{
    m_panel.OnDisplayChange();
    Default();
}

void CMainDialog::OnCancel()
{
    // Escape does not end the program.
}

void CMainDialog::OnFileExit()
{
    EndDialog(0);
}

void CMainDialog::OnDestroy()
{
    Default();
    KillTimer(kRefreshTimer);
    if (m_tray.IsPresent())
        m_tray.RemoveTrayIcon();
    SaveSettings();
}

void CMainDialog::OnEndSession(BOOL bEnding)
{
    // Windows ends the process after this message without destroying the
    // window: the settings are saved here, as at every other end.
    if (bEnding)
        SaveSettings();
    Default();
}

void CMainDialog::OnSysCommand(UINT nID, LPARAM)
{
    // The low four bits of the command belong to the system.
    // (Minimizing needs nothing here: the settings take the window's
    // normal position, however it was minimized.)
    if ((nID & 0xFFF0) == SC_CLOSE)
        EndDialog(0);
    Default();
}

void CMainDialog::OnSize(UINT nType, int, int)
{
    Default();
    if (!m_tray.IsPresent())
        return;
    // Minimized into the tray, the window is held there until the icon brings
    // it back: a restore from elsewhere (Wine restores the owner of a dialog
    // that closes; a second start restores the running copy) would show it
    // for a moment before this hides it again.
    if (nType == SIZE_MINIMIZED)
        m_bHeldInTray = true;
    SetLayer(SWP_HIDEWINDOW | SWP_NOMOVE);
}

void CMainDialog::OnPaint()
{
    if (!IsIconic()) {
        Default();
        MarkStage("paint");
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    const int x = (rect.right - rect.left - cxIcon + 1) / 2;
    const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    ::DrawIcon(dc.m_hDC, x, y, m_appIcon.Large());
}

HCURSOR CMainDialog::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_appIcon.Large());
}
