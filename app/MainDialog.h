// The main window: it composes the statistics panel, the optimization run,
// the tray icon and the settings, and receives every command of the
// program.
#pragma once

#include <windows.h>

#include <string>

#include "app/Settings.h"
#include "app/StatisticsPanel.h"
#include "framework/Afx.h"
#include "optimizer/Optimizer.h"
#include "ui/Icons.h"
#include "ui/SettingsValues.h"
#include "ui/TrayIcon.h"

enum class LevelIcon;

// From a copy started with "/optimize": start a run as Optimize would;
// answers with that copy's exit code.
#define WM_OPTIMIZE_REQUEST (WM_APP + 1)

class CMainDialog : public CMovableDialog {
public:
    explicit CMainDialog(CWnd* pParent = nullptr);

    // Reads the settings (defaults from `ms`) and applies them: position,
    // layer and the tray icon.
    void LoadSettings(const CMemoryStatus& ms);
    // Writes the settings with the window's position; true when every value
    // was written.
    bool SaveSettings();
    // Shows `ms` on the panel; picks the level icon and the tray tip.
    void RefreshStatistics(const CMemoryStatus& ms);
    // Starts a run with the current settings and the reading `ms`.
    void StartOptimize(const CMemoryStatus& ms);
    // What a run started now is given.
    OptimizeRequest MakeOptimizeRequest();
    bool AddTrayIcon(const CMemoryStatus& ms);
    void RestoreFromTray();

    CButton m_btnOptimize;
    CStatisticsPanel m_panel;
    COptimizer m_optimizer;
    CTrayIcon m_tray;
    CSettingsStore m_store;
    SettingsValues m_settings;
    // Each at the system's large and small icon size: the window shows a
    // pair, the tray its small icon; the busy one replaces the small icon
    // during a run.
    CIconPair m_appIcon;
    CIconPair m_redIcon;
    CIconPair m_greenIcon;
    CIconPair m_yellowIcon;
    CIconPair m_busyIcon;
    CIconPair m_autoOffIcon;
    std::string m_strProgramDir;  // ends in a backslash; empty when unknown
    bool m_bStartMinimized = false;  // "/tray"

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
    void OnWindowPosChanging(WINDOWPOS* pos);
    LRESULT OnOptimizeRequest(WPARAM wParam, LPARAM lParam);
    BOOL OnQueryOpen();
    void OnSysColorChange();
    void OnDisplayChange();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const CMessageMap* GetMessageMap() const override;

private:
    void StartMinimized();
    // Moves the window, if need be, so that its caption bar is on a
    // monitor's work area.
    void KeepOnScreen() const;
    // SetWindowPos in the layer the settings ask for (topmost or not).
    void SetLayer(UINT flags, int x = 0, int y = 0) const;
    const CIconPair& LevelIcons(LevelIcon level) const;

    bool m_bHeldMinimized = false;  // started minimized: restores refused until the first tick
    bool m_bHeldInTray = false;     // hidden in the tray and not yet brought back

    static const UINT_PTR kRefreshTimer = 1;
    static const UINT kRefreshMs = 500;
};
