// The main window in-process: its system menu, menu bar, icons and the
// placeholder state, which Wine does not show to another process.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>

#include "app/MainDialog.h"
#include "resources/resource.h"
#include "tests/win32/Support.h"

using namespace win32test;

namespace {

using MainWindowTest = MainWindowFixture;

HICON BigIcon(const CWnd& wnd)
{
    return reinterpret_cast<HICON>(wnd.SendMessage(WM_GETICON, ICON_BIG, 0));
}

int MeterPos(const CWnd& wnd, int id)
{
    return static_cast<int>(::SendMessageA(wnd.GetDlgItem(id), PBM_GETPOS, 0, 0));
}

std::string Ungrouped(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ','), text.end());
    return text;
}

}  // namespace

TEST_F(MainWindowTest, SystemMenuOffersMoveMinimizeAndCloseOnly)
{
    CMainDialog dlg;
    std::set<UINT> commands;
    RunModal(dlg, [&] {
        HMENU menu = ::GetSystemMenu(dlg.m_hWnd, FALSE);
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            const UINT id = ::GetMenuItemID(menu, i);
            // Wine adds its own "About Wine" item (SC_SCREENSAVE + 1).
            const UINT kAboutWine = SC_SCREENSAVE + 1;
            if (id != 0 && id != static_cast<UINT>(-1) && id != kAboutWine)
                commands.insert(id);
        }
    });
    EXPECT_EQ((std::set<UINT>{SC_MOVE, SC_MINIMIZE, SC_CLOSE}), commands);
}

TEST_F(MainWindowTest, WithoutLanguageFilesShowsTheBuiltInTexts)
{
    CMainDialog dlg;
    RunModal(dlg, [&] {
        EXPECT_EQ("Memory Load", Text(dlg.m_hWnd, IDC_MEMORYLOAD_CAPTION));
        EXPECT_EQ("CPU Usage", Text(dlg.m_hWnd, IDC_CPU_CAPTION));
        EXPECT_EQ("Optimize", Text(dlg.m_hWnd, IDC_OPTIMIZE));
        EXPECT_EQ("Exit", Text(dlg.m_hWnd, IDOK));
        HMENU menu = dlg.GetMenu();
        EXPECT_EQ("&File", MenuText(menu, 0, MF_BYPOSITION));
        EXPECT_EQ("&Help", MenuText(menu, 1, MF_BYPOSITION));
        const struct {
            UINT command;
            const char* text;
        } items[] = {{ID_FILE_OPTIMIZE, "&Optimize"},  {ID_FILE_SETTINGS, "&Settings"},
                     {ID_FILE_APPLYCHANGES, "&Apply Changes"}, {ID_FILE_EXIT, "E&xit"},
                     {ID_HELP_ABOUT, "&About"},        {ID_HELP_WEBSITE, "&Website"},
                     {ID_HELP_SENDEMAIL, "&Send Email"}, {ID_HELP_DOCUMENTATION, "&Documentation"},
                     {ID_HELP_README, "&Readme"}};
        for (const auto& item : items)
            EXPECT_EQ(item.text, MenuText(menu, item.command, MF_BYCOMMAND)) << item.command;
    });
}

TEST_F(MainWindowTest, TriggerLevelZeroShowsTheAutoOffIcon)
{
    WriteIni("TriggerLevel=0\r\n");
    CMainDialog dlg;
    RunModal(dlg, [&] {
        EXPECT_EQ(0, dlg.m_settings.m_nTriggerLevel);
        EXPECT_EQ(dlg.m_autoOffIcon.Small(), SmallIcon(dlg));
        EXPECT_EQ(dlg.m_autoOffIcon.Large(), BigIcon(dlg));
    });
}

TEST_F(MainWindowTest, WhileOptimizingShowsZerosAndKeepsTheIcons)
{
    // A run whose one step waits until the test lets it go.
    SetTouchFreeStep(TouchFreeStep::Wait);
    CMainDialog dlg;
    RunModal(dlg, [&] {
        OptimizeRequest request = dlg.MakeOptimizeRequest();
        request.nMemToFree = std::numeric_limits<int>::max();
        request.bIncremental = 0;
        CMemoryStatus ms;
        ms.Refresh();
        ASSERT_EQ(OptimizeStart::Started, dlg.m_optimizer.StartOptimize(request, ms));
        const HICON big = BigIcon(dlg);
        dlg.RefreshStatistics(ms);
        EXPECT_EQ("Free Ram: 0 Free", Text(dlg.m_hWnd, IDC_FREERAM_LINE));
        EXPECT_EQ("PageFile: 0 Free / 0 Free", Text(dlg.m_hWnd, IDC_PAGEFILE_LINE));
        EXPECT_EQ(0, MeterPos(dlg, IDC_FREERAM_METER));
        EXPECT_EQ(0, MeterPos(dlg, IDC_MEMORYLOAD_METER));
        EXPECT_EQ(0, MeterPos(dlg, IDC_PAGEFILE_METER));
        EXPECT_EQ(0, MeterPos(dlg, IDC_CPU_METER));
        // The total stays live: whole megabytes plus one.
        EXPECT_EQ("Total Ram: " + std::to_string((ms.dwTotalPhys >> 20) + 1) + " Free",
                  Ungrouped(Text(dlg.m_hWnd, IDC_TOTALRAM_LINE)));
        EXPECT_EQ(0u, Text(dlg.m_hWnd, IDC_UPTIME_LINE).find("Windows elapsed time: "));
        EXPECT_EQ(dlg.m_busyIcon.Small(), SmallIcon(dlg));
        EXPECT_EQ(big, BigIcon(dlg));
        ReleaseTouchFreeStep();
        for (int i = 0; i < 2000 && dlg.m_optimizer.IsRunning(); ++i) {
            PumpMessages();
            ::Sleep(5);
        }
    });
}

TEST_F(MainWindowTest, TheNormalPositionIsSavedHoweverTheWindowWasMinimized)
{
    WriteIni("Left=40\r\nTop=30\r\n");
    CMainDialog dlg;
    RunModal(dlg, [&] {
        // Moved after the start, then minimized by another program (not
        // through the system menu), and minimized once more.
        dlg.SetWindowPos(nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        dlg.ShowWindow(SW_MINIMIZE);
        dlg.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        PumpMessages();
        EXPECT_TRUE(dlg.IsIconic());
    });
    EXPECT_EQ(100, static_cast<int>(::GetPrivateProfileIntA("Settings", "Left", -1, IniPath().c_str())));
    EXPECT_EQ(80, static_cast<int>(::GetPrivateProfileIntA("Settings", "Top", -1, IniPath().c_str())));
}

TEST_F(MainWindowTest, AWindowSavedBeyondTheScreenOpensWithItsCaptionOnTheWorkArea)
{
    WriteIni("Left=5000\r\nTop=4000\r\n");
    CMainDialog dlg;
    RunModal(dlg, [&] {
        RECT work, window;
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        dlg.GetWindowRect(&window);
        EXPECT_GE(window.left, work.left);
        EXPECT_LE(window.right, work.right);
        EXPECT_GE(window.top, work.top);
        EXPECT_LE(window.top + ::GetSystemMetrics(SM_CYCAPTION), work.bottom);
    });
}

TEST_F(MainWindowTest, AMeterRepaintsWholeOnlyWhenItsPositionChanges)
{
    CMainDialog dlg;
    RunModal(dlg, [&] {
        CMeterCtrl& meter = dlg.m_panel.m_meterCpu;
        meter.SetPos(50);
        ::UpdateWindow(meter.m_hWnd);
        RECT dirty;
        meter.SetPos(50);
        EXPECT_FALSE(::GetUpdateRect(meter.m_hWnd, &dirty, FALSE)) << "the same position paints nothing";
        meter.SetPos(51);
        RECT client;
        meter.GetClientRect(&client);
        ASSERT_TRUE(::GetUpdateRect(meter.m_hWnd, &dirty, FALSE));
        EXPECT_TRUE(::EqualRect(&client, &dirty)) << "the text in the middle is painted again too";
        ::UpdateWindow(meter.m_hWnd);
        meter.SetPos(150);  // the control holds 100; the meter shows no bar
        EXPECT_TRUE(::GetUpdateRect(meter.m_hWnd, &dirty, FALSE));
    });
}

TEST_F(MainWindowTest, TheMetersFollowTheSystemsColours)
{
    const int element = COLOR_BTNFACE;
    const COLORREF saved = ::GetSysColor(element);
    const COLORREF changed = RGB(1, 2, 3);
    CMainDialog dlg;
    RunModal(dlg, [&] {
        // Windows tells top-level windows only; the main window hands it on.
        ::SetSysColors(1, &element, &changed);
        PumpMessages();
        dlg.SendMessage(WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(changed, dlg.m_panel.m_meterFreeRam.m_clrBkgnd);
        EXPECT_EQ(changed, dlg.m_panel.m_meterPageFile.m_clrBkgnd);
        ::SetSysColors(1, &element, &saved);
        PumpMessages();
        dlg.SendMessage(WM_SYSCOLORCHANGE, 0, 0);
    });
}
