// Optimization runs in-process: the busy state the window shows from the
// worker's reports, the end of a run whatever happens in it, and the
// refresh tick's automatic start. (The block step is the tests' own: it
// never writes memory.)
#include <gtest/gtest.h>

#include <utility>

#include "app/CommandLine.h"
#include "app/MainDialog.h"
#include "resources/resource.h"
#include "tests/win32/FakeReadings.h"
#include "tests/win32/Support.h"

using namespace win32test;

namespace {

using OptimizerTest = MainWindowFixture;

// Handles messages until the Optimize button is enabled again: the worker
// has reported back.
bool WaitForRunEnd(const CMainDialog& dlg)
{
    const HWND button = dlg.GetDlgItem(IDC_OPTIMIZE);
    for (int i = 0; i < 2000 && !::IsWindowEnabled(button); ++i) {
        PumpMessages();
        ::Sleep(5);
    }
    return ::IsWindowEnabled(button) != FALSE;
}

}  // namespace

TEST_F(OptimizerTest, ARunShowsTheBusyStateUntilItReportsBackAndTheNextTick)
{
    // More to free than is free: the run starts, and its step waits.
    WriteIni("MemToFree=2000\r\nTriggerLevel=32\r\n");
    SetTouchFreeStep(TouchFreeStep::Wait);
    const FakeReadings readings;
    CMainDialog dlg(false, &readings);
    RunModal(dlg, [&] {
        const HWND button = dlg.GetDlgItem(IDC_OPTIMIZE);
        dlg.SendMessage(WM_COMMAND, IDC_OPTIMIZE, 0);
        EXPECT_FALSE(::IsWindowEnabled(button));
        EXPECT_EQ("Optimizing Ram...", dlg.GetWindowText());
        EXPECT_TRUE(ShowsIcon(dlg.GetIcon(FALSE), IDI_BUSY));
        EXPECT_TRUE(ShowsIcon(dlg.GetIcon(TRUE), IDI_YELLOW));
        // The dialog manager's own messages are no report of the run.
        dlg.SendMessage(DM_REPOSITION, 0, 0);
        EXPECT_FALSE(::IsWindowEnabled(button));

        ReleaseTouchFreeStep();
        ASSERT_TRUE(WaitForRunEnd(dlg));
        EXPECT_EQ("Brisklet Free", dlg.GetWindowText());
        // The icon waits for the next tick.
        EXPECT_TRUE(ShowsIcon(dlg.GetIcon(FALSE), IDI_BUSY));
        dlg.SendMessage(WM_TIMER, 1, 0);
        EXPECT_TRUE(ShowsIcon(dlg.GetIcon(FALSE), IDI_YELLOW));
    });
}

TEST_F(OptimizerTest, AWorkerWhoseStepThrowsStillEndsTheRun)
{
    SetTouchFreeStep(TouchFreeStep::Throw);
    const FakeReadings readings;
    for (const char* incremental : {"0", "1"}) {
        SCOPED_TRACE(incremental);
        WriteIni(std::string("MemToFree=2000\r\nUseIncrementalRelease=") + incremental + "\r\n");
        CMainDialog dlg(false, &readings);
        RunModal(dlg, [&] {
            dlg.SendMessage(WM_COMMAND, IDC_OPTIMIZE, 0);
            ASSERT_TRUE(WaitForRunEnd(dlg));
            EXPECT_EQ("Brisklet Free", dlg.GetWindowText());
        });
    }
}

TEST_F(OptimizerTest, TheRefreshTickStartsARunBelowTheTriggerLevel)
{
    // 256 MB free: a trigger level of 300 MB starts a run, 0 never does.
    SetTouchFreeStep(TouchFreeStep::Wait);
    const FakeReadings readings;
    for (const auto& c : {std::make_pair("300", false), std::make_pair("0", true)}) {
        SCOPED_TRACE(c.first);
        WriteIni(std::string("MemToFree=2000\r\nTriggerLevel=") + c.first + "\r\n");
        CMainDialog dlg(false, &readings);
        RunModal(dlg, [&] {
            dlg.SendMessage(WM_TIMER, 1, 0);
            EXPECT_EQ(c.second, ::IsWindowEnabled(dlg.GetDlgItem(IDC_OPTIMIZE)) != FALSE);
            ReleaseTouchFreeStep();
            EXPECT_TRUE(WaitForRunEnd(dlg));
        });
    }
}

TEST_F(OptimizerTest, ARunWithoutAWindowEndsWithZeroOnceItsStartTestPassed)
{
    // 256 MB free; no step gives a block here. Whatever the allocations give,
    // a run that passed its start test ends with 0, as one handed to the
    // running copy does.
    FakeReadings readings;
    readings.memory.dwAvailPhys = 256u << 20;
    const struct {
        int memToFree;
        int incremental;
        int exitCode;
    } cases[] = {
        {2000, 0, kExitOptimized},
        {256, 1, kExitOptimized},  // free exactly at the target: not one step
        {100, 0, kExitNotNeeded},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.exitCode, ExitCodeOf(COptimizer::OptimizeHere(c.memToFree, c.incremental, readings.memory)))
            << c.memToFree << " " << c.incremental;
    }
}
