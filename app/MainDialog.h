// The main window: statistics, meters, the Optimize button, the settings
// values, the tray icon and every command of the program.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "app/Messages.h"
#include "app/Product.h"
#include "app/StatsText.h"
#include "framework/Afx.h"
#include "ui/MeterCtrl.h"
#include "ui/TrayRecord.h"

typedef BOOL(WINAPI* PFN_SHELL_NOTIFY_ICON)(DWORD message, PNOTIFYICONDATAA data);

class CMainDialog : public CMovableDialog {
public:
    explicit CMainDialog(CWnd* pParent = nullptr);

    // Settings store
    void LoadSettings();
    void SaveSettings();

    // Statistics panel
    void RefreshStatistics();
    void FormatUptime();

    // Optimization
    void StartOptimize();

    // Language texts
    void LoadMainTexts();

    // Tray icon
    bool AddTrayIcon();
    void RemoveTrayIcon();
    bool UpdateTrayIcon(HICON hIcon, const char* text);
    void RestoreFromTray();
    void ShowTrayMenu();

    // Help commands
    UINT_PTR RunHelper(const char* argument);

    CButton m_btnOptimize;
    CStatic m_lblPageFile;
    CMeterCtrl m_meterMemoryLoad;
    CMeterCtrl m_meterFreeRam;
    CMeterCtrl m_meterCpu;
    CMeterCtrl m_meterPageFile;
    CWinThread* m_pWorkerThread = nullptr;
    HICON m_hIcon;
    HMODULE m_hTrayLibrary = nullptr;
    HMODULE m_hShellModule = nullptr;
    PFN_SHELL_NOTIFY_ICON m_pfnShellNotifyIcon = nullptr;
    NotifyIconRecord m_nid{};
    HICON m_hIconRed = nullptr;
    HICON m_hIconGreen = nullptr;
    HICON m_hIconYellow = nullptr;
    HICON m_hIconBusy = nullptr;
    HICON m_hIconAutoOff = nullptr;
    char m_szUptime[40] = "";
    int m_nMemToFree = 0;
    int m_nTriggerLevel = 0;
    int m_bStayOnTop = 0;
    int m_bSysTrayIcon = 0;
    int m_bUseIncrementalRelease = 0;
    int m_nLeft = 0;
    int m_nTop = 0;
    char m_szIniPath[MAX_PATH] = "";
    char m_szProgramDir[MAX_PATH] = "";
    char m_szModulePath[MAX_PATH] = "";

    // Handlers (the main window's message map)
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();
    void OnFileExit();
    void OnOptimize();
    void OnSettings();
    void OnApplyChanges();
    void OnAbout();
    void OnWebsite();
    void OnSendEmail();
    void OnDocumentation();
    void OnReadme();
    void OnSize(UINT nType, int cx, int cy);
    void OnSysCommand(UINT nID, LPARAM lParam);
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnWorkerDone(WPARAM wParam, LPARAM lParam);
    void OnContextMenu(HWND hWnd, POINT point);
    void OnEndSession(BOOL bEnding);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const CMessageMap* GetMessageMap() const override;

private:
    void BuildPaths();
    void SetupMeters();
    HICON LevelIconHandle(LevelIcon level) const;

    static const UINT_PTR kRefreshTimer = 1;
    static const UINT kRefreshMs = 500;
};
