// The main window: it composes the statistics panel, the optimization run,
// the tray and the settings, and receives every command of the
// program. Each tick, run report and language change gives one view
// (MainView), which the window and its parts only show.
#pragma once

#include <windows.h>

#include <string>

#include "app/HelpCommands.h"
#include "app/HelpText.h"
#include "app/IconSet.h"
#include "app/MainView.h"
#include "app/Readings.h"
#include "app/Run.h"
#include "app/Settings.h"
#include "app/StatisticsPanel.h"
#include "app/Tray.h"
#include "framework/Afx.h"
#include "optimizer/Optimizer.h"
#include "ui/SettingsValues.h"
#include "ui/TrayMenu.h"

// From a copy started with "/optimize": start a run as Optimize would;
// answers with that copy's exit code. Its number stays, since another
// copy sends it; the window's other private messages follow it, up to
// WM_APP + 4 (WM_TRAY_NOTIFY, WM_WORKER_DONE, WM_WORKER_STEP).
#define WM_OPTIMIZE_REQUEST (WM_APP + 1)

class CMainDialog : public CMovableDialog, private CTrayWindow {
public:
    // startMinimized: "/tray". readings: where the figures come from (the
    // system's unless given); trayLibrary: the shell library that serves
    // the tray icon.
    explicit CMainDialog(bool startMinimized = false, const CReadings* readings = nullptr,
                         std::wstring trayLibrary = L"SHELL32");

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const CMessageMap* GetMessageMap() const override;

private:
    // Handlers (the main window's message map)
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();
    void OnFileExit() { EndDialog(0); }
    void OnOptimize() { StartOptimize(); }
    void OnSettings();
    void OnApplyChanges();
    void OnAbout();
    void OnWebsite() { RunHelper(m_hWnd, m_strProgramDir, kWebsiteArgument); }
    void OnSendEmail() { RunHelper(m_hWnd, m_strProgramDir, kSendEmailArgument); }
    void OnDocumentation() { RunHelper(m_hWnd, m_strProgramDir, kDocumentationArgument); }
    void OnReadme() { RunHelper(m_hWnd, m_strProgramDir, kReadmeArgument); }
    void OnSize(UINT nType, int cx, int cy);
    void OnSysCommand(UINT nID, LPARAM lParam);
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnWorkerStep(WPARAM wParam, LPARAM lParam);
    LRESULT OnWorkerDone(WPARAM wParam, LPARAM lParam);
    void OnContextMenu(HWND, POINT) { ShowTrayMenu(m_hWnd); }
    void OnEndSession(BOOL bEnding);
    void OnWindowPosChanging(WINDOWPOS* pos) { m_tray.OnWindowPosChanging(pos); }
    LRESULT OnOptimizeRequest(WPARAM wParam, LPARAM lParam);
    LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);
    BOOL OnQueryOpen();
    void OnSysColorChange() { m_panel.OnSysColorChange(); }
    void OnDisplayChange() { m_panel.OnDisplayChange(); }
    void OnDpiChanged(UINT dpi, const RECT* suggested);

    // Reads the settings (defaults from the last reading) and applies
    // them: position, layer and the tray icon.
    void LoadSettings();
    // Writes the settings with the window's position; true when every value
    // was written and reads back.
    bool SaveSettings();
    // The processor load and the tick count of this tick, beside the
    // memory reading taken before.
    void SampleReadings();
    // The view of the last readings, the settings, the texts and the run.
    MainView CurrentView() const;
    // Shows the current view: each part only where it changed.
    void ShowView();
    // Optimize, from the window or a second copy: a run with the current
    // settings and a fresh memory reading, shown at once when it starts.
    OptimizeStart StartOptimize();
    // What the tray asks of the window (CTrayWindow).
    HICON TrayImage() const override { return m_icons.Tray(m_shown.smallIcon); }
    void RefitTrayImage() override { m_icons.RefitTray(); }
    std::string TrayTip(bool justAdded) const override { return justAdded ? CurrentView().addTip : CurrentView().tip; }
    void ShowInLayer(bool show) override { SetLayer(SWP_NOMOVE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW)); }
    void SayTrayMissing() override;
    // The icons of the view shown, anew.
    void ShowIcons() const;
    // The layer the settings ask for: topmost or not.
    HWND Layer() const { return m_settings.m_bStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST; }
    // SetWindowPos in that layer.
    void SetLayer(UINT flags) const { SetWindowPos(Layer(), 0, 0, 0, 0, SWP_NOSIZE | flags); }

    static const UINT_PTR kRefreshTimer = 1;
    static const UINT kRefreshMs = 500;

    const CReadings& m_readingSource;  // where the figures come from
    CStatisticsPanel m_panel;
    CTray m_tray;  // where the window is, and its tray icon
    CSettingsStore m_store;
    SettingsValues m_settings;
    // The window shows a large and a small one, the tray a small one of
    // its own size; the busy one replaces the small icon during a run.
    CIconSet m_icons;
    std::string m_strProgramDir;  // ends in a backslash; empty when unknown

    // The inputs of the view besides the settings and the texts.
    CMemoryStatus m_memory;  // the last memory reading
    int m_nCpuLoad = 0;
    DWORD m_dwTickCount = 0;
    CRun m_run;  // the optimization run and its part of the view
    // What the window shows; nothing before the first view.
    MainView m_shown;
    bool m_bShown = false;
};
