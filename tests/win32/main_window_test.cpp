// The main window in-process: its system menu, menu bar, icons and the
// placeholder state, which Wine does not show to another process.
#include <gtest/gtest.h>

#include <set>

#include "app/MainDialog.h"
#include "app/MemoryStatus.h"
#include "resources/resource.h"
#include "tests/win32/Support.h"

using namespace win32test;

namespace {

using MainWindowTest = MainWindowFixture;

HICON Resource(int id)
{
    return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

HICON BigIcon(const CWnd& wnd)
{
    return reinterpret_cast<HICON>(wnd.SendMessage(WM_GETICON, ICON_BIG, 0));
}

int MeterPos(const CWnd& wnd, int id)
{
    return static_cast<int>(::SendMessageA(wnd.GetDlgItem(id), PBM_GETPOS, 0, 0));
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

TEST_F(MainWindowTest, WindowIconShowsTheFreeMemoryLevel)
{
    CMainDialog dlg;
    RunModal(dlg, [&] {
        CMemoryStatus ms;
        ms.Refresh();
        const LevelIcon level = ChooseLevelIcon(dlg.m_nTriggerLevel, FreePercent(ms.dwAvailPhys, ms.dwTotalPhys));
        const int ids[] = {IDI_AUTOOFF, IDI_RED, IDI_YELLOW, IDI_GREEN};
        const HICON expected = Resource(ids[static_cast<int>(level)]);
        EXPECT_EQ(expected, SmallIcon(dlg));
        EXPECT_EQ(expected, BigIcon(dlg));
    });
}

TEST_F(MainWindowTest, TriggerLevelZeroShowsTheAutoOffIcon)
{
    WriteIni("TriggerLevel=0\r\n");
    CMainDialog dlg;
    RunModal(dlg, [&] {
        EXPECT_EQ(0, dlg.m_nTriggerLevel);
        EXPECT_EQ(Resource(IDI_AUTOOFF), SmallIcon(dlg));
        EXPECT_EQ(Resource(IDI_AUTOOFF), BigIcon(dlg));
    });
}

TEST_F(MainWindowTest, WhileOptimizingShowsZerosAndKeepsTheIcons)
{
    CMainDialog dlg;
    RunModal(dlg, [&] {
        dlg.SetIcon(dlg.m_hIconBusy, FALSE);
        const HICON big = BigIcon(dlg);
        // Any non-null marker stands for a running worker.
        dlg.m_pWorkerThread = reinterpret_cast<CWinThread*>(&dlg);
        dlg.RefreshStatistics();
        EXPECT_EQ("Free Ram: 0 Free", Text(dlg.m_hWnd, IDC_FREERAM_LINE));
        EXPECT_EQ("PageFile: 0 Free / 0 Free", Text(dlg.m_hWnd, IDC_PAGEFILE_LINE));
        EXPECT_EQ(0, MeterPos(dlg, IDC_FREERAM_METER));
        EXPECT_EQ(0, MeterPos(dlg, IDC_MEMORYLOAD_METER));
        EXPECT_EQ(0, MeterPos(dlg, IDC_PAGEFILE_METER));
        EXPECT_EQ(0, MeterPos(dlg, IDC_CPU_METER));
        CMemoryStatus ms;
        ms.Refresh();
        EXPECT_EQ(TotalRamLine("Total Ram:", ms.dwTotalPhys, "Free"), Text(dlg.m_hWnd, IDC_TOTALRAM_LINE));
        EXPECT_EQ(0u, Text(dlg.m_hWnd, IDC_UPTIME_LINE).find("Windows elapsed time: "));
        EXPECT_EQ(dlg.m_hIconBusy, SmallIcon(dlg));
        EXPECT_EQ(big, BigIcon(dlg));

        // The first refresh after the run puts the level icon back.
        dlg.m_pWorkerThread = nullptr;
        dlg.RefreshStatistics();
        EXPECT_NE(dlg.m_hIconBusy, SmallIcon(dlg));
    });
}

TEST_F(MainWindowTest, MinimizingRemembersThePositionFromBefore)
{
    WriteIni("Left=40\r\nTop=30\r\n");
    CMainDialog dlg;
    RunModal(dlg, [&] {
        RECT before;
        dlg.GetWindowRect(&before);
        dlg.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        PumpMessages();
        EXPECT_TRUE(dlg.IsIconic());
        EXPECT_EQ(before.left, dlg.m_nLeft);
        EXPECT_EQ(before.top, dlg.m_nTop);
        dlg.SaveSettings();
    });
    EXPECT_EQ(40, static_cast<int>(::GetPrivateProfileIntA("Settings", "Left", -1, IniPath().c_str())));
    EXPECT_EQ(30, static_cast<int>(::GetPrivateProfileIntA("Settings", "Top", -1, IniPath().c_str())));
}
