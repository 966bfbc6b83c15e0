// The main window in-process: what it shows of a view, its system menu and
// menu bar, the repaints of its meters and the position it saves, which
// Wine does not show to another process.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/MainDialog.h"
#include "resources/resource.h"
#include "tests/win32/FakeReadings.h"
#include "tests/win32/Support.h"

using namespace win32test;

namespace {

using MainWindowTest = MainWindowFixture;

int MeterPos(const CWnd& wnd, int id)
{
    return static_cast<int>(::SendMessageA(wnd.GetDlgItem(id), PBM_GETPOS, 0, 0));
}

}  // namespace

TEST_F(MainWindowTest, ShowsTheViewOfItsReadings)
{
    // Without language files the unit words are "Free".
    WriteIni("TriggerLevel=32\r\n");
    const FakeReadings readings;
    CMainDialog dlg(false, &readings);
    RunModal(dlg, [&] {
        const HWND h = dlg.m_hWnd;
        EXPECT_EQ("Free Ram: 262,656 Free", Text(h, IDC_FREERAM_LINE));
        EXPECT_EQ("Memory Load", Text(h, IDC_MEMORYLOAD_CAPTION));
        EXPECT_EQ("Total Ram: 1,025 Free", Text(h, IDC_TOTALRAM_LINE));
        EXPECT_EQ("PageFile: 512 Free / 2048 Free", Text(h, IDC_PAGEFILE_LINE));
        EXPECT_EQ("Windows elapsed time: 01/01:01:01 ", Text(h, IDC_UPTIME_LINE));
        const std::vector<int> meters = {MeterPos(dlg, IDC_FREERAM_METER), MeterPos(dlg, IDC_MEMORYLOAD_METER),
                                         MeterPos(dlg, IDC_PAGEFILE_METER), MeterPos(dlg, IDC_CPU_METER)};
        EXPECT_EQ((std::vector<int>{25, 75, 25, 42}), meters);
        EXPECT_TRUE(ShowsIcon(dlg.GetIcon(FALSE), IDI_YELLOW));
        EXPECT_TRUE(ShowsIcon(dlg.GetIcon(TRUE), IDI_YELLOW));
        EXPECT_EQ("Brisklet Free", dlg.GetWindowText());
    });
}

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
        EXPECT_EQ("CPU Usage", Text(dlg.m_hWnd, IDC_CPU_CAPTION));
        EXPECT_EQ("Optimize", Text(dlg.m_hWnd, IDC_OPTIMIZE));
        EXPECT_EQ("Exit", Text(dlg.m_hWnd, IDOK));
        HMENU menu = dlg.GetMenu();
        EXPECT_EQ("&File", MenuText(menu, 0, MF_BYPOSITION));
        EXPECT_EQ("&Help", MenuText(menu, 1, MF_BYPOSITION));
        const struct {
            UINT command;
            const char* text;
        } items[] = {{ID_FILE_OPTIMIZE, "&Optimize"},
                     {ID_FILE_SETTINGS, "&Settings"},
                     {ID_FILE_APPLYCHANGES, "&Apply Changes"},
                     {ID_FILE_EXIT, "E&xit"},
                     {ID_HELP_ABOUT, "&About"},
                     {ID_HELP_WEBSITE, "&Website"},
                     {ID_HELP_SENDEMAIL, "&Send Email"},
                     {ID_HELP_DOCUMENTATION, "&Documentation"},
                     {ID_HELP_README, "&Readme"}};
        for (const auto& item : items)
            EXPECT_EQ(item.text, MenuText(menu, item.command, MF_BYCOMMAND)) << item.command;
    });
}

TEST_F(MainWindowTest, AMeterRepaintsWholeOnlyWhenItsFigureChanges)
{
    FakeReadings readings;
    CMainDialog dlg(false, &readings);
    RunModal(dlg, [&] {
        const HWND meter = dlg.GetDlgItem(IDC_CPU_METER);
        const auto tick = [&](int cpu) {
            readings.cpu = cpu;
            dlg.SendMessage(WM_TIMER, 1, 0);
        };
        tick(50);
        ::UpdateWindow(meter);
        RECT dirty;
        tick(50);
        EXPECT_FALSE(::GetUpdateRect(meter, &dirty, FALSE)) << "the same figure paints nothing";
        tick(51);
        RECT client;
        ::GetClientRect(meter, &client);
        ASSERT_TRUE(::GetUpdateRect(meter, &dirty, FALSE));
        EXPECT_TRUE(::EqualRect(&client, &dirty)) << "the text in the middle is painted again too";
        ::UpdateWindow(meter);
        tick(150);  // the control holds 100; the meter shows no bar
        EXPECT_TRUE(::GetUpdateRect(meter, &dirty, FALSE));
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

TEST_F(MainWindowTest, AWindowStoredOffAnEdgeOpensWithItsWholeCaptionToGrabOnTheWorkArea)
{
    // Past each edge of the work area, wherever that is on this screen.
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    for (const std::string& stored :
         {"Left=" + std::to_string(work.left - 2000), "Left=" + std::to_string(work.right - 20),
          "Top=" + std::to_string(work.top - 500), "Top=" + std::to_string(work.bottom + 200)}) {
        WriteIni(stored + "\r\n");
        CMainDialog dlg;
        RunModal(dlg, [&] {
            RECT window, on;
            POINT client = {0, 0};
            dlg.GetWindowRect(&window);
            ::ClientToScreen(dlg.m_hWnd, &client);
            ::IntersectRect(&on, &window, &work);
            const auto caption = [&](LONG x, LONG y) {
                return dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCAPTION;
            };
            // The caption's rows, as the window answers down its middle.
            std::vector<LONG> rows;
            for (LONG y = window.top; y < client.y; ++y) {
                if (caption((window.left + window.right) / 2, y))
                    rows.push_back(y);
            }
            ASSERT_FALSE(rows.empty()) << stored;
            // Each lies on the work area with a stretch two caption heights
            // wide to drag it by.
            const int need = 2 * static_cast<int>(rows.size());
            std::size_t grabbed = 0;
            for (const LONG y : rows) {
                int run = 0;
                for (LONG x = on.left; run < need && x < on.right && y >= on.top && y < on.bottom; ++x)
                    run = caption(x, y) ? run + 1 : 0;
                grabbed += run >= need;
            }
            EXPECT_EQ(rows.size(), grabbed) << stored << " opens at " << window.left << "," << window.top;
        });
    }
}
