#include "MainDialog.h"

#include <string>

#include "app/Paths.h"
#include "i18n/Language.h"
#include "resources/resource.h"

CMainDialog::CMainDialog(CWnd* pParent)
    : CMovableDialog(IDD_MAIN, pParent), m_hIcon(::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDI_APP)))
{
}

void CMainDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OPTIMIZE, m_btnOptimize);
    DDX_Control(pDX, IDC_PAGEFILE_LINE, m_lblPageFile);
    DDX_Control(pDX, IDC_MEMORYLOAD_METER, m_meterMemoryLoad);
    DDX_Control(pDX, IDC_FREERAM_METER, m_meterFreeRam);
    DDX_Control(pDX, IDC_CPU_METER, m_meterCpu);
    DDX_Control(pDX, IDC_PAGEFILE_METER, m_meterPageFile);
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
END_MESSAGE_MAP()

BOOL CMainDialog::OnInitDialog()
{
    CDialog::OnInitDialog();

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SetWindowText(kProductName);
    m_hTrayLibrary = nullptr;

    HINSTANCE instance = AfxGetInstanceHandle();
    m_hIconRed = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_RED));
    m_hIconGreen = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_GREEN));
    m_hIconYellow = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_YELLOW));
    m_hIconBusy = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_BUSY));
    m_hIconAutoOff = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_AUTOOFF));

    // The window has a fixed size: Move, Minimize and Close remain.
    HMENU sysMenu = GetSystemMenu(FALSE);
    ::DeleteMenu(sysMenu, SC_MAXIMIZE, MF_BYCOMMAND);
    ::DeleteMenu(sysMenu, SC_RESTORE, MF_BYCOMMAND);
    ::DeleteMenu(sysMenu, SC_SIZE, MF_BYCOMMAND);

    BuildPaths();
    SetupMeters();
    LoadSettings();
    ReadLanguageDir();
    LoadMainTexts();
    RefreshStatistics();
    SetTimer(kRefreshTimer, kRefreshMs);
    return TRUE;
}

void CMainDialog::BuildPaths()
{
    const DWORD length = ::GetModuleFileNameA(AfxGetInstanceHandle(), m_szModulePath, kMaxPathChars);
    // A path cut at the buffer's end names no real directory: the program
    // then has no settings file and no helper rather than wrong ones.
    const bool complete = length > 0 && length < kMaxPathChars;
    m_szModulePath[complete ? length : 0] = '\0';
    const std::string dir = DirectoryOf(m_szModulePath);
    const std::string ini = dir.empty() ? std::string() : JoinPath(dir, "bkfr.ini");
    lstrcpynA(m_szProgramDir, dir.c_str(), sizeof m_szProgramDir);
    lstrcpynA(m_szIniPath, ini.c_str(), sizeof m_szIniPath);
}

void CMainDialog::SetupMeters()
{
    struct MeterLook {
        CMeterCtrl* meter;
        COLORREF start, end, text;
    };
    const MeterLook looks[] = {
        {&m_meterFreeRam, RGB(255, 240, 16), RGB(0, 224, 0), RGB(0, 96, 255)},
        {&m_meterMemoryLoad, RGB(255, 255, 255), RGB(160, 10, 0), RGB(255, 238, 0)},
        {&m_meterCpu, RGB(0, 255, 0), RGB(255, 0, 0), RGB(0, 0, 255)},
        {&m_meterPageFile, RGB(0, 255, 0), RGB(0, 0, 255), RGB(0, 0, 255)},
    };
    for (const MeterLook& look : looks) {
        look.meter->m_clrStart = look.start;
        look.meter->m_clrEnd = look.end;
        look.meter->m_clrText = look.text;
        look.meter->m_bShowPercent = 1;
    }
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
    if (m_hTrayLibrary != nullptr)
        RemoveTrayIcon();
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
    switch (nID & 0xFFF0) {
    case SC_MINIMIZE: {
        RECT rect;
        GetWindowRect(&rect);
        m_nLeft = rect.left;
        m_nTop = rect.top;
        break;
    }
    case SC_CLOSE:
        EndDialog(0);
        break;
    default:
        break;
    }
    Default();
}

void CMainDialog::OnSize(UINT, int, int)
{
    Default();
    if (m_hTrayLibrary != nullptr)
        SetWindowPos(m_bStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE);
}

void CMainDialog::OnPaint()
{
    if (!IsIconic()) {
        Default();
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
    ::DrawIcon(dc.m_hDC, x, y, m_hIcon);
}

HCURSOR CMainDialog::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}
