// Starting optimization runs in-process: the start conditions, the busy
// state and the return to the level icon.
#include <gtest/gtest.h>

#include <limits>

#include "app/MainDialog.h"
#include "optimizer/Optimizer.h"
#include "resources/resource.h"
#include "tests/win32/Support.h"

using namespace win32test;

namespace {

using OptimizerTest = MainWindowFixture;

// So much that the system can never give it: a run starts (free memory is
// below it) and its one allocation fails at once. (Only in one-block mode:
// an incremental run starts with a block as large as the free memory.)
const int kUnreachableMb = std::numeric_limits<int>::max();

// Handles messages until the worker has reported back.
bool WaitForWorker(const CMainDialog& dlg)
{
    for (int i = 0; i < 2000 && dlg.m_pWorkerThread != nullptr; ++i) {
        PumpMessages();
        ::Sleep(5);
    }
    return dlg.m_pWorkerThread == nullptr;
}

}  // namespace

TEST_F(OptimizerTest, NothingStartsWhileMoreThanTheAmountIsFree)
{
    CMainDialog dlg;
    RunModal(dlg, [&] {
        const HICON before = SmallIcon(dlg);
        for (int memToFree : {0, 1, -5}) {
            dlg.m_nMemToFree = memToFree;
            dlg.StartOptimize();
            EXPECT_EQ(nullptr, dlg.m_pWorkerThread) << memToFree;
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
        dlg.m_nMemToFree = kUnreachableMb;
        dlg.m_bUseIncrementalRelease = 0;
        dlg.StartOptimize();
        ASSERT_NE(nullptr, dlg.m_pWorkerThread);
        EXPECT_FALSE(dlg.m_btnOptimize.IsWindowEnabled());
        EXPECT_EQ(dlg.m_hIconBusy, SmallIcon(dlg));
        EXPECT_EQ(dlg.m_hWnd, g_workerParams.hWnd);
        EXPECT_EQ(dlg.m_hIconBusy, g_workerParams.hBusyIcon);
        EXPECT_EQ("Optimizing Ram...", g_workerParams.strOptimizingText);

        // A second start while the run is active changes nothing.
        CWinThread* const running = dlg.m_pWorkerThread;
        dlg.m_nMemToFree = 0;
        dlg.StartOptimize();
        dlg.OnOptimize();
        EXPECT_EQ(running, dlg.m_pWorkerThread);

        ASSERT_TRUE(WaitForWorker(dlg));
        EXPECT_TRUE(dlg.m_btnOptimize.IsWindowEnabled());
        char title[128];
        dlg.GetWindowText(title, sizeof title);
        EXPECT_STREQ("Brisklet Free", title);
        // The icon waits for the next refresh.
        EXPECT_EQ(dlg.m_hIconBusy, SmallIcon(dlg));
        dlg.RefreshStatistics();
        EXPECT_EQ(level, SmallIcon(dlg));
    });
}

TEST_F(OptimizerTest, TheTitleIsRestoredCutToSeventyEightCharacters)
{
    CMainDialog dlg;
    RunModal(dlg, [&] {
        const std::string longTitle(100, 't');
        dlg.SetWindowText(longTitle.c_str());
        dlg.m_nMemToFree = kUnreachableMb;
        dlg.m_bUseIncrementalRelease = 0;
        dlg.StartOptimize();
        ASSERT_TRUE(WaitForWorker(dlg));
        char title[128];
        dlg.GetWindowText(title, sizeof title);
        EXPECT_EQ(std::string(78, 't'), title);
    });
}

TEST_F(OptimizerTest, TheRefreshTickStartsARunOnlyBelowTheTriggerLevel)
{
    const struct {
        int triggerLevel;
        bool starts;
    } cases[] = {{kUnreachableMb, true}, {0, false}, {1, false}};
    for (const auto& c : cases) {
        CMainDialog dlg;
        RunModal(dlg, [&] {
            dlg.m_nMemToFree = kUnreachableMb;
            dlg.m_nTriggerLevel = c.triggerLevel;
            dlg.SendMessage(WM_TIMER, 1, 0);
            EXPECT_EQ(c.starts, dlg.m_pWorkerThread != nullptr) << c.triggerLevel;
            EXPECT_TRUE(WaitForWorker(dlg));
        });
    }
}
