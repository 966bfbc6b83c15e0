// The tray icon and the Settings dialog seen from outside.
#include <gtest/gtest.h>

#include "tests/e2e/Driver.h"

#include <commctrl.h>

#include "ui/TrayIcon.h"
#include "resources/resource.h"

using namespace e2e;

namespace {

class TrayAndSettings : public ::testing::Test {
protected:
    void SetUp() override { ClearLanguageDir(); }
    void TearDown() override { ClearLanguageDir(); }
};

HWND WaitForDialog(const Bkfr& app, const char* caption)
{
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND hwnd : ProcessWindows(app.ProcessId(), "#32770")) {
            if (hwnd != app.Window() && ::IsWindowVisible(hwnd) && WindowText(hwnd) == caption) {
                found = hwnd;
                return true;
            }
        }
        return false;
    });
    return found;
}

int Send(HWND dlg, int id, UINT msg, WPARAM w = 0, LPARAM l = 0)
{
    return static_cast<int>(::SendDlgItemMessageA(dlg, id, msg, w, l));
}

void Click(HWND dlg, int id)
{
    ::PostMessageA(::GetDlgItem(dlg, id), BM_CLICK, 0, 0);
}

bool Gone(HWND hwnd)
{
    return WaitUntil([&] { return !::IsWindow(hwnd) || !::IsWindowVisible(hwnd); });
}

}  // namespace

TEST_F(TrayAndSettings, WithTheIconMinimizingHidesTheWindowAndTheNotificationBringsItBack)
{
    ProgramDir dir;
    dir.WriteIni("[Settings]\r\nSysTrayIcon=1\r\nLeft=30\r\nTop=20\r\n");
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    ASSERT_TRUE(WaitUntil([] { return VisibleTaskbarButtons() >= 2; }));
    const int buttons = VisibleTaskbarButtons();

    ASSERT_TRUE(app.Minimize());
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(app.Window()); }));
    EXPECT_TRUE(WaitUntil([&] { return VisibleTaskbarButtons() == buttons - 1; }));

    app.Post(WM_TRAY_NOTIFY, 1, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(app.Window()) && !::IsIconic(app.Window()); }));
    EXPECT_TRUE(WaitUntil([&] { return VisibleTaskbarButtons() == buttons; }));

    // Hidden again, then Exit Program from the popup menu (chosen with the
    // keyboard: the last item) ends it and saves the position from before.
    ASSERT_TRUE(app.Minimize());
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(app.Window()); }));
    app.Post(WM_TRAY_NOTIFY, 1, WM_RBUTTONUP);
    ASSERT_TRUE(WaitUntil([] { return ::FindWindowA("#32768", nullptr) != nullptr; }));
    app.PressKey(VK_UP);
    app.PressKey(VK_RETURN);
    ASSERT_TRUE(app.WaitForExit());
    EXPECT_EQ("30", dir.IniValue("Left"));
    EXPECT_EQ("20", dir.IniValue("Top"));
    EXPECT_EQ("1", dir.IniValue("SysTrayIcon"));
}

TEST_F(TrayAndSettings, WithoutTheIconMinimizingKeepsTheTaskbarButton)
{
    ProgramDir dir;
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    ASSERT_TRUE(app.Minimize());
    EXPECT_TRUE(::IsWindowVisible(app.Window()));
}

TEST_F(TrayAndSettings, SettingsFromTheTrayOpensOverTheRestoredWindow)
{
    ProgramDir dir;
    dir.WriteIni("[Settings]\r\nSysTrayIcon=1\r\nLeft=100\r\nTop=80\r\n");
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    ASSERT_TRUE(app.Minimize());
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(app.Window()); }));
    app.Command(ID_FILE_SETTINGS);
    HWND dlg = WaitForDialog(app, "Settings");
    ASSERT_NE(nullptr, dlg);
    EXPECT_TRUE(::IsWindowVisible(app.Window()));
    EXPECT_FALSE(::IsIconic(app.Window()));
    RECT main, settings;
    ::GetWindowRect(app.Window(), &main);
    ::GetWindowRect(dlg, &settings);
    EXPECT_NEAR((main.left + main.right) / 2, (settings.left + settings.right) / 2, 2);
    EXPECT_NEAR((main.top + main.bottom) / 2, (settings.top + settings.bottom) / 2, 2);
    Click(dlg, IDCANCEL);
    EXPECT_TRUE(Gone(dlg));
}

TEST_F(TrayAndSettings, OkAppliesSlidersCheckBoxesAndTheTrayOption)
{
    ProgramDir dir;
    dir.WriteIni("[Settings]\r\nMemToFree=0\r\nStayOnTop=5\r\nSysTrayIcon=0\r\nUseIncrementalRelease=1\r\n");
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    app.Command(ID_FILE_SETTINGS);
    HWND dlg = WaitForDialog(app, "Settings");
    ASSERT_NE(nullptr, dlg);
    EXPECT_EQ(1, Send(dlg, IDC_MEMTOFREE_SLIDER, TBM_GETPOS));
    EXPECT_EQ(BST_UNCHECKED, Send(dlg, IDC_STAYONTOP, BM_GETCHECK));
    EXPECT_EQ(BST_CHECKED, Send(dlg, IDC_INCREMENTAL, BM_GETCHECK));
    EXPECT_EQ(0u, WindowText(::GetDlgItem(dlg, IDC_MEMTOFREE_VALUE)).find("1 Free  ("));
    Send(dlg, IDC_TRIGGER_SLIDER, TBM_SETPOS, TRUE, 5);
    Click(dlg, IDC_SYSTRAYICON);
    Click(dlg, IDOK);
    ASSERT_TRUE(Gone(dlg));
    EXPECT_EQ(nullptr, app.FindMessageBox());

    // The icon now exists: minimizing hides the window.
    ASSERT_TRUE(app.Minimize());
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(app.Window()); }));

    // Turned off again, minimizing keeps the window on the taskbar.
    app.Command(ID_FILE_SETTINGS);
    dlg = WaitForDialog(app, "Settings");
    ASSERT_NE(nullptr, dlg);
    Click(dlg, IDC_SYSTRAYICON);
    Click(dlg, IDOK);
    ASSERT_TRUE(Gone(dlg));
    EXPECT_TRUE(::IsWindowVisible(app.Window()));
    ASSERT_TRUE(app.Minimize());
    EXPECT_TRUE(::IsWindowVisible(app.Window()));

    app.Command(ID_FILE_EXIT);
    ASSERT_TRUE(app.WaitForExit());
    EXPECT_EQ("1", dir.IniValue("MemToFree"));
    EXPECT_EQ("5", dir.IniValue("TriggerLevel"));
    EXPECT_EQ("0", dir.IniValue("StayOnTop"));
    EXPECT_EQ("0", dir.IniValue("SysTrayIcon"));
    EXPECT_EQ("1", dir.IniValue("UseIncrementalRelease"));
}
