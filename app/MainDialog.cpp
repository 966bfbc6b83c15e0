#include "MainDialog.h"

#include <utility>

#include "app/CommandLine.h"
#include "app/ProgramDir.h"
#include "app/WindowPlace.h"
#include "framework/Dpi.h"
#include "framework/Path.h"
#include "framework/Text.h"
#include "i18n/Language.h"
#include "i18n/MainTexts.h"
#include "i18n/TextTable.h"
#include "resources/Product.h"
#include "resources/resource.h"
#include "ui/AboutDialog.h"
#include "ui/SettingsDialog.h"

namespace {

const CReadings& SystemReadings()
{
    static const CReadings readings;
    return readings;
}

}  // namespace

CMainDialog::CMainDialog(bool startMinimized, const CReadings* readings, std::wstring trayLibrary)
    : CMovableDialog(IDD_MAIN, nullptr),
      m_readingSource(readings != nullptr ? *readings : SystemReadings()),
      m_tray(*this, startMinimized, std::move(trayLibrary)),
      m_icons(AfxGetInstanceHandle())
{
    // The program's own icon until the first view.
    m_shown.largeIcon = m_shown.smallIcon = WindowIcon::App;
}

void CMainDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    m_run.DoDataExchange(pDX);
    m_panel.DoDataExchange(pDX);
}

// The map's rows one a line, as a table reads.
// clang-format off
BEGIN_MESSAGE_MAP(CMainDialog, CMovableDialog)
    OnMessage<WM_PAINT, &CMainDialog::OnPaint, Default::None>(),
    OnMessage<WM_QUERYDRAGICON, &CMainDialog::OnQueryDragIcon, Default::None>(),
    OnMessage<WM_TIMER, &CMainDialog::OnTimer, Default::After>(),
    OnMessage<WM_DESTROY, &CMainDialog::OnDestroy, Default::Before>(),
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
    OnMessage<WM_SIZE, &CMainDialog::OnSize, Default::Before>(),
    OnMessage<WM_SYSCOMMAND, &CMainDialog::OnSysCommand, Default::After>(),
    OnMessage<WM_TRAY_NOTIFY, &CMainDialog::OnTrayNotify, Default::None>(),
    OnMessage<WM_WORKER_STEP, &CMainDialog::OnWorkerStep, Default::None>(),
    OnMessage<WM_WORKER_DONE, &CMainDialog::OnWorkerDone, Default::None>(),
    OnMessage<WM_CONTEXTMENU, &CMainDialog::OnContextMenu, Default::None>(),
    OnMessage<WM_ENDSESSION, &CMainDialog::OnEndSession, Default::After>(),
    OnMessage<WM_WINDOWPOSCHANGING, &CMainDialog::OnWindowPosChanging, Default::After>(),
    OnMessage<WM_OPTIMIZE_REQUEST, &CMainDialog::OnOptimizeRequest, Default::None>(),
    OnMessage<WM_QUERYOPEN, &CMainDialog::OnQueryOpen, Default::None>(),
    OnMessage<WM_SYSCOLORCHANGE, &CMainDialog::OnSysColorChange, Default::After>(),
    OnMessage<WM_DISPLAYCHANGE, &CMainDialog::OnDisplayChange, Default::After>(),
    OnMessage<WM_DPICHANGED, &CMainDialog::OnDpiChanged, Default::Before>(),
    OnRegisteredMessage<&CMainDialog::OnTaskbarCreated>(TaskbarCreatedMessage()),
END_MESSAGE_MAP()
// clang-format on

BOOL CMainDialog::OnInitDialog()
{
    CDialog::OnInitDialog();

    // The program's icon, at the window's DPI, until the first view sets
    // the caption and the level icons.
    m_icons.RefitWindow(WindowDpi(m_hWnd));
    ShowIcons();

    // The window has a fixed size: Move, Minimize and Close remain.
    HMENU sysMenu = GetSystemMenu(FALSE);
    ::DeleteMenu(sysMenu, SC_MAXIMIZE, MF_BYCOMMAND);
    ::DeleteMenu(sysMenu, SC_RESTORE, MF_BYCOMMAND);
    ::DeleteMenu(sysMenu, SC_SIZE, MF_BYCOMMAND);

    m_strProgramDir = ProgramDirectory();
    m_store.SetPath(SettingsFilePath(m_strProgramDir));
    m_panel.SetupMeters();
    // One reading serves the defaults, the first tip and the first figures.
    m_memory = m_readingSource.Memory();
    SampleReadings();
    LoadSettings();
    ReadLanguageDir(m_strProgramDir);
    LoadMainTexts(m_hWnd);
    ShowView();
    SetTimer(kRefreshTimer, kRefreshMs);
    return TRUE;
}

BOOL CMainDialog::OnQueryOpen()
{
    return m_tray.RefusesRestore() ? FALSE : static_cast<BOOL>(DefaultResult());
}

void CMainDialog::LoadSettings()
{
    m_settings = m_store.LoadSettings(m_memory.dwTotalPhys);
    OpenAt(m_hWnd, Layer(), {m_settings.m_nLeft, m_settings.m_nTop});
    m_tray.Start(m_hWnd, m_settings.m_bSysTrayIcon != 0);
}

bool CMainDialog::SaveSettings()
{
    ScreenPoint at;
    if (NormalPosition(m_hWnd, at)) {
        m_settings.m_nLeft = at.x;
        m_settings.m_nTop = at.y;
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

void CMainDialog::OnTimer(UINT_PTR)
{
    // Stopped for the work and started again after it, so ticks never pile up.
    KillTimer(kRefreshTimer);
    m_tray.OnTick();
    m_memory = m_readingSource.Memory();
    m_run.OnTick(m_settings, m_memory, m_shown.largeIcon);
    SampleReadings();
    ShowView();
    SetTimer(kRefreshTimer, kRefreshMs);
}

void CMainDialog::SampleReadings()
{
    m_nCpuLoad = m_run.SkipsProcessorSample() ? 0 : m_readingSource.CpuLoad();
    m_dwTickCount = m_readingSource.TickCount();
}

MainView CMainDialog::CurrentView() const
{
    return ComputeMainView(m_memory, m_nCpuLoad, m_dwTickCount, m_settings.m_nTriggerLevel, LoadedTexts(),
                           m_run.View());
}

void CMainDialog::ShowView()
{
    const MainView view = CurrentView();
    m_panel.Show(view, m_bShown ? &m_shown : nullptr);
    if (!m_bShown || view.title != m_shown.title)
        SetWindowText(view.title);
    if (!m_bShown || view.largeIcon != m_shown.largeIcon)
        SetIcon(m_icons.Large(view.largeIcon), TRUE);
    if (!m_bShown || view.smallIcon != m_shown.smallIcon)
        SetIcon(m_icons.Small(view.smallIcon), FALSE);
    m_shown = view;
    m_bShown = true;
    m_tray.Show(view.tip);
    // Images a refit let go, which nothing shows any more.
    m_icons.ReleaseRetired();
}

OptimizeStart CMainDialog::StartOptimize()
{
    m_memory = m_readingSource.Memory();
    const OptimizeStart start = m_run.StartOptimize(m_settings, m_memory, m_shown.largeIcon);
    if (start == OptimizeStart::Started)
        ShowView();
    return start;
}

LRESULT CMainDialog::OnOptimizeRequest(WPARAM, LPARAM)
{
    return ExitCodeOf(StartOptimize());
}

LRESULT CMainDialog::OnWorkerStep(WPARAM wParam, LPARAM)
{
    if (m_run.OnWorkerStep(wParam))
        ShowView();
    return 0;
}

LRESULT CMainDialog::OnWorkerDone(WPARAM, LPARAM)
{
    m_run.OnWorkerDone();
    ShowView();
    return 1;
}

void CMainDialog::ShowIcons() const
{
    SetIcon(m_icons.Large(m_shown.largeIcon), TRUE);
    SetIcon(m_icons.Small(m_shown.smallIcon), FALSE);
}

void CMainDialog::OnDpiChanged(UINT dpi, const RECT* suggested)
{
    // The dialog manager has scaled the layout and fonts (per-monitor
    // awareness version 2); the window's icons take the new sizes, the
    // tray's stay at the system's.
    TakeSuggestedPlace(m_hWnd, *suggested);
    if (m_icons.RefitWindow(dpi)) {
        ShowIcons();
        m_icons.ReleaseRetired();
    }
}

LRESULT CMainDialog::OnTaskbarCreated(WPARAM, LPARAM)
{
    m_tray.OnTaskbarCreated();
    return 0;
}

LRESULT CMainDialog::OnTrayNotify(WPARAM, LPARAM lParam)
{
    m_tray.OnNotify(lParam);
    return 0;
}

void CMainDialog::SayTrayMissing()
{
    MessageBox("Error: System tray icon not available!", kProductName, MB_OK);
}

void CMainDialog::OnSettings()
{
    m_tray.OnSettingsCommand();

    CSettingsDialog dlg(this, m_settings, m_readingSource.Memory().dwTotalPhys);
    if (dlg.DoModal() != IDOK)
        return;

    m_settings = dlg.Values();
    SetLayer(SWP_NOMOVE);
    m_tray.OnSetting(m_settings.m_bSysTrayIcon != 0);
    LoadMainTexts(m_hWnd);
    // The new texts, and a trigger level that may have turned automatic
    // optimization on or off.
    ShowView();
}

void CMainDialog::OnAbout()
{
    CAboutDialog dlg(this);
    dlg.DoModal();
}

void CMainDialog::OnCancel()
{
    // Escape does not end the program.
}

void CMainDialog::OnDestroy()
{
    KillTimer(kRefreshTimer);
    m_tray.OnExit();
    SaveSettings();
}

void CMainDialog::OnEndSession(BOOL bEnding)
{
    // Windows ends the process after this message without destroying the
    // window: the settings are saved here, as at every other end.
    if (bEnding)
        SaveSettings();
}

void CMainDialog::OnSysCommand(UINT nID, LPARAM)
{
    // The low four bits of the command belong to the system.
    // (Minimizing needs nothing here: the settings take the window's
    // normal position, however it was minimized.)
    if ((nID & 0xFFF0) == SC_CLOSE)
        EndDialog(0);
}

void CMainDialog::OnSize(UINT nType, int, int)
{
    // Minimized by anyone (the caption button, another program): with the
    // icon, into the tray. The window has a fixed size, so any other size
    // type is a restore, which the tray answered when it was asked for.
    if (nType == SIZE_MINIMIZED)
        m_tray.OnMinimized();
}

void CMainDialog::OnPaint()
{
    // A dialog paints nothing of its own (its background and controls paint
    // themselves) but the icon while minimized, where a shell shows the
    // window itself; the paint context ends the paint either way.
    CPaintDC dc(this);
    if (!IsIconic())
        return;
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    const int x = (rect.right - rect.left - cxIcon + 1) / 2;
    const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    ::DrawIcon(dc.m_hDC, x, y, m_icons.Large(WindowIcon::App));
}

HCURSOR CMainDialog::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_icons.Large(WindowIcon::App));
}
