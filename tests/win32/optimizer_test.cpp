// Optimization runs in-process: whether a run starts, the busy state, the
// worker's end whatever happens in it, and the refresh tick's automatic
// start.
#include <gtest/gtest.h>

#include <limits>

#include "app/MainDialog.h"
#include "tests/win32/Support.h"

using namespace win32test;

namespace {

using OptimizerTest = MainWindowFixture;

// More than is free: a run starts (its steps fail at once here).
const int kUnreachableMb = std::numeric_limits<int>::max();

// Handles messages until the worker has reported back.
bool WaitForWorker(const CMainDialog& dlg)
{
    for (int i = 0; i < 2000 && dlg.m_optimizer.IsRunning(); ++i) {
        PumpMessages();
        ::Sleep(5);
    }
    return !dlg.m_optimizer.IsRunning();
}

std::string Title(const CMainDialog& dlg)
{
    return dlg.GetWindowText();
}

CMemoryStatus Reading()
{
    CMemoryStatus ms;
    ms.Refresh();
    return ms;
}

}  // namespace

TEST_F(OptimizerTest, NothingStartsWhileMoreThanTheAmountIsFree)
{
    CMainDialog dlg;
    RunModal(dlg, [&] {
        const HICON before = SmallIcon(dlg);
        for (int memToFree : {0, 1, -5}) {
            dlg.m_settings.m_nMemToFree = memToFree;
            dlg.OnOptimize();
            EXPECT_FALSE(dlg.m_optimizer.IsRunning()) << memToFree;
            EXPECT_TRUE(dlg.m_btnOptimize.IsWindowEnabled());
            EXPECT_EQ(before, SmallIcon(dlg));
        }
    });
}

TEST_F(OptimizerTest, ARunShowsTheBusyStateUntilItReportsBack)
{
    CMainDialog dlg;
    RunModal(dlg, [&] {
        const HICON level = SmallIcon(dlg);
        dlg.m_settings.m_nMemToFree = kUnreachableMb;
        dlg.m_settings.m_bUseIncrementalRelease = 0;
        dlg.OnOptimize();
        ASSERT_TRUE(dlg.m_optimizer.IsRunning());
        EXPECT_FALSE(dlg.m_btnOptimize.IsWindowEnabled());
        EXPECT_EQ(dlg.m_busyIcon.Small(), SmallIcon(dlg));

        // A second start while the run is active changes nothing.
        dlg.m_settings.m_nMemToFree = 0;
        EXPECT_EQ(OptimizeStart::Busy, dlg.m_optimizer.StartOptimize(dlg.MakeOptimizeRequest(), CMemoryStatus()));

        ASSERT_TRUE(WaitForWorker(dlg));
        EXPECT_TRUE(dlg.m_btnOptimize.IsWindowEnabled());
        EXPECT_EQ("Brisklet Free", Title(dlg));
        // The icon waits for the next refresh.
        EXPECT_EQ(dlg.m_busyIcon.Small(), SmallIcon(dlg));
        CMemoryStatus ms;
        ms.Refresh();
        dlg.RefreshStatistics(ms);
        EXPECT_EQ(level, SmallIcon(dlg));
    });
}

TEST_F(OptimizerTest, TheTitleIsRestoredCutToSeventyEightCharacters)
{
    CMainDialog dlg;
    RunModal(dlg, [&] {
        dlg.SetWindowText(std::string(100, 't').c_str());
        OptimizeRequest request = dlg.MakeOptimizeRequest();
        request.nMemToFree = kUnreachableMb;
        ASSERT_EQ(OptimizeStart::Started, dlg.m_optimizer.StartOptimize(request, Reading()));
        ASSERT_TRUE(WaitForWorker(dlg));
        EXPECT_EQ(std::string(78, 't'), Title(dlg));
    });
}

TEST_F(OptimizerTest, AWorkerWhoseStepThrowsStillRestoresTheTitleAndEnablesOptimize)
{
    CMainDialog dlg;
    SetTouchFreeStep(TouchFreeStep::Throw);
    RunModal(dlg, [&] {
        for (int incremental : {0, 1}) {
            OptimizeRequest request = dlg.MakeOptimizeRequest();
            request.nMemToFree = kUnreachableMb;
            request.bIncremental = incremental;
            ASSERT_EQ(OptimizeStart::Started, dlg.m_optimizer.StartOptimize(request, Reading())) << incremental;
            ASSERT_TRUE(WaitForWorker(dlg)) << incremental;
            EXPECT_TRUE(dlg.m_btnOptimize.IsWindowEnabled()) << incremental;
            EXPECT_EQ("Brisklet Free", Title(dlg)) << incremental;
        }
    });
}

TEST_F(OptimizerTest, TheRefreshTickStartsARunWhenTheTriggerIsReached)
{
    const struct {
        int triggerLevel;
        bool starts;
    } cases[] = {{kUnreachableMb, true}, {0, false}};
    for (const auto& c : cases) {
        CMainDialog dlg;
        RunModal(dlg, [&] {
            dlg.m_settings.m_nMemToFree = kUnreachableMb;
            dlg.m_settings.m_nTriggerLevel = c.triggerLevel;
            dlg.SendMessage(WM_TIMER, 1, 0);
            EXPECT_EQ(c.starts, dlg.m_optimizer.IsRunning()) << c.triggerLevel;
            EXPECT_TRUE(WaitForWorker(dlg));
        });
    }
}
