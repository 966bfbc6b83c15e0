// The command-line switches: what a script or a scheduled task sees.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/e2e/Driver.h"
#include "ui/TrayIcon.h"

using namespace e2e;

namespace {

const unsigned long long kMb = 1024;  // in kilobytes

class Switches : public ::testing::Test {
protected:
    void SetUp() override { ClearLanguageDir(); }

    // 100 MB free, as Wine reports it, and a page file of 2 GB; false where
    // that cannot be set.
    bool FreeMemoryIs100Mb()
    {
        if (!m_memory.Available())
            return false;
        m_memory.SetFreeKb(100 * kMb, 2048 * kMb, 2048 * kMb);
        return true;
    }

    // A machine of 100 MB with 90 MB free and a page file of 1 GB.
    bool MachineIs100Mb()
    {
        if (!m_memory.Available() || !m_memory.TotalAvailable())
            return false;
        m_memory.SetFreeKb(90 * kMb, 1024 * kMb, 1024 * kMb);
        m_memory.SetTotalKb(100 * kMb);
        return true;
    }

private:
    FakeMemory m_memory;
};

const char kCannotFake[] = "the free memory cannot be set here (needs root and a private mount namespace)";

// The program's main window, shown or not.
HWND MainWindow(const Bkfr& app)
{
    for (HWND hwnd : ProcessWindows(app.ProcessId(), "#32770")) {
        if (::GetMenu(hwnd) != nullptr)
            return hwnd;
    }
    return nullptr;
}

}  // namespace

TEST_F(Switches, TrayStartsHiddenWithTheIconOrMinimizedWithout)
{
    const struct {
        const char* tray;
        bool visible;
    } cases[] = {{"1", false}, {"0", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tray);
        ProgramDir dir;
        dir.WriteIni(std::string("[Settings]\r\nSysTrayIcon=") + c.tray + "\r\n");
        Bkfr app(dir, "/tray");
        HWND window = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (window = MainWindow(app)) != nullptr; }));
        ::Sleep(1000);  // long enough for a window that would show after all
        EXPECT_EQ(c.visible, ::IsWindowVisible(window) != FALSE);
        EXPECT_TRUE(::IsIconic(window));
        if (!c.visible) {
            // The icon is there: its double click brings the window back.
            ::PostMessageW(window, WM_TRAY_NOTIFY, 1, WM_LBUTTONDBLCLK);
            EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(window) && !::IsIconic(window); }));
        }
        ::PostMessageW(window, WM_COMMAND, ID_FILE_EXIT, 0);
        EXPECT_TRUE(app.WaitForExit());
        EXPECT_EQ(c.tray, dir.IniValue("SysTrayIcon")) << "the switch changes no setting";
    }
}

TEST_F(Switches, OptimizeEndsWithOneWhenMoreIsFreeThanARunWouldFree)
{
    ProgramDir dir;
    dir.WriteIni("[Settings]\r\nMemToFree=1\r\nTriggerLevel=0\r\n");
    const std::string before = dir.ReadFile("bkfr.ini");
    Bkfr app(dir, "/optimize");
    ASSERT_TRUE(app.WaitForExit(20000));
    EXPECT_EQ(1u, app.ExitCode());
    EXPECT_EQ(before, dir.ReadFile("bkfr.ini")) << "nothing is written";
}

TEST_F(Switches, OptimizeRunsOnceAndEndsWithZero)
{
    if (!FreeMemoryIs100Mb())
        GTEST_SKIP() << kCannotFake;
    ProgramDir dir;
    dir.WriteIni("[Settings]\r\nMemToFree=150\r\nTriggerLevel=0\r\n");
    Bkfr app(dir, "-OPTIMIZE");
    ASSERT_TRUE(app.WaitForExit(60000));
    EXPECT_EQ(0u, app.ExitCode());
    EXPECT_EQ(nullptr, app.FindMessageBox());
}

TEST_F(Switches, OptimizeAsksForNoMoreThanTheMachineCanGive)
{
    if (!MachineIs100Mb())
        GTEST_SKIP() << "the total memory cannot be set here (needs the sysinfo shim)";
    // 99999999 MB written by hand: the steps grow a megabyte at a time from
    // the free 90 MB up to the machine's 101 MB at most. Unbounded, they
    // would go on for hours towards 95 TB.
    ProgramDir dir;
    dir.WriteIni("[Settings]\r\nMemToFree=99999999\r\nTriggerLevel=0\r\nUseIncrementalRelease=1\r\n");
    Bkfr app(dir, "/optimize");
    ASSERT_TRUE(app.WaitForExit(60000));
    EXPECT_EQ(0u, app.ExitCode());
}

TEST_F(Switches, OptimizeAsksTheRunningCopyToRunAndEndsAtOnce)
{
    if (!FreeMemoryIs100Mb())
        GTEST_SKIP() << kCannotFake;
    ProgramDir dir;
    dir.WriteIni("[Settings]\r\nMemToFree=1200\r\nTriggerLevel=0\r\n");
    Bkfr running(dir);
    ASSERT_TRUE(running.WaitForWindow());
    Bkfr asking(dir, "/Optimize");
    // The running copy answers once its run has started, and its run (1.2
    // GB to write) outlasts the asking copy.
    bool sawRun = false;
    ASSERT_TRUE(WaitUntil(
        [&] {
            sawRun = sawRun || !running.ControlEnabled(IDC_OPTIMIZE);
            return !asking.Running();
        },
        15000));
    EXPECT_EQ(0u, asking.ExitCode());
    EXPECT_TRUE(sawRun || !running.ControlEnabled(IDC_OPTIMIZE));
    running.Command(ID_FILE_EXIT);
    EXPECT_TRUE(running.WaitForExit(60000));
}

TEST_F(Switches, AnUnknownSwitchListsTheSwitchesAndEndsWithTwo)
{
    ProgramDir dir;
    Bkfr app(dir, "/help");
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = app.FindMessageBox()) != nullptr; }));
    EXPECT_EQ("Brisklet Free", WindowText(box));
    EXPECT_NE(std::string::npos, MessageBoxText(box).find("/optimize"));
    ClickOk(box);
    ASSERT_TRUE(app.WaitForExit());
    EXPECT_EQ(2u, app.ExitCode());
}
