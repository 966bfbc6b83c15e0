// The Settings command while the window is hidden in the tray, seen from
// outside.
#include <gtest/gtest.h>

#include "tests/e2e/Driver.h"

#include "resources/resource.h"

using namespace e2e;

namespace {

class TrayAndSettings : public ::testing::Test {
protected:
    void SetUp() override { ClearLanguageDir(); }
    void TearDown() override { ClearLanguageDir(); }
};

}  // namespace

TEST_F(TrayAndSettings, SettingsFromTheTrayOpensOverTheRestoredWindow)
{
    ProgramDir dir;
    dir.WriteIni("[Settings]\r\nSysTrayIcon=1\r\nLeft=100\r\nTop=80\r\n");
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    ASSERT_TRUE(app.Minimize());
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(app.Window()); }));
    app.Command(ID_FILE_SETTINGS);
    HWND dlg = app.WaitForDialog([](HWND hwnd) { return WindowText(hwnd) == "Settings"; });
    ASSERT_NE(nullptr, dlg);
    EXPECT_TRUE(::IsWindowVisible(app.Window()));
    EXPECT_FALSE(::IsIconic(app.Window()));
    RECT main, settings;
    ::GetWindowRect(app.Window(), &main);
    ::GetWindowRect(dlg, &settings);
    EXPECT_NEAR((main.left + main.right) / 2, (settings.left + settings.right) / 2, 2);
    EXPECT_NEAR((main.top + main.bottom) / 2, (settings.top + settings.bottom) / 2, 2);
    ClickButton(dlg, IDCANCEL);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(dlg) || !::IsWindowVisible(dlg); }));
}
