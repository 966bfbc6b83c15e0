// The 64-bit build on a machine with more than 4 GB: blocks larger than a
// 32-bit program could hold.
#include <gtest/gtest.h>

#include "tests/e2e/Driver.h"

#include <psapi.h>

#include "resources/resource.h"

using namespace e2e;

namespace {

[[maybe_unused]] const unsigned long long kGb = 1ull << 30;

[[maybe_unused]] MEMORYSTATUSEX ReadingEx()
{
    MEMORYSTATUSEX ms{};
    ms.dwLength = sizeof ms;
    ::GlobalMemoryStatusEx(&ms);
    return ms;
}

}  // namespace

TEST(WideMemory, OptimizeTouchesABlockLargerThanFourGigabytes)
{
#ifndef _WIN64
    GTEST_SKIP() << "a 32-bit process cannot hold a block above 4 GB";
#else
    const MEMORYSTATUSEX real = ReadingEx();
    if (real.ullAvailPhys < 10 * kGb)
        GTEST_SKIP() << "needs 10 GB of free memory; " << (real.ullAvailPhys >> 20) << " MB are free";
    FakeMemory memory;
    if (!memory.Available())
        GTEST_SKIP() << "the free memory cannot be set here (needs root and a private mount namespace)";
    // Reported free: 1 GB, so that a run of 6,000 MB starts, and a page file
    // that can take it.
    memory.SetFreeKb(1024 * 1024, 8192 * 1024, 8192 * 1024);
    ClearLanguageDir();
    ProgramDir dir;
    dir.WriteIni("[Settings]\r\nMemToFree=6000\r\nTriggerLevel=0\r\nUseIncrementalRelease=0\r\n");
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    app.Command(IDC_OPTIMIZE);
    bool sawRun = false;
    ASSERT_TRUE(WaitUntil(
        [&] {
            sawRun = sawRun || !app.ControlEnabled(IDC_OPTIMIZE);
            return sawRun && app.ControlEnabled(IDC_OPTIMIZE) && app.Caption() == "Brisklet Free";
        },
        120000));

    HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, app.ProcessId());
    ASSERT_NE(nullptr, process);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ASSERT_TRUE(::GetProcessMemoryInfo(process, &counters, sizeof counters));
    ::CloseHandle(process);
    // Every page of the block was written, so the process held it all.
    EXPECT_GT(counters.PeakWorkingSetSize, 5800ull << 20) << (counters.PeakWorkingSetSize >> 20) << " MB";
    // And gave it back.
    EXPECT_LT(counters.WorkingSetSize, 1ull << 30) << (counters.WorkingSetSize >> 20) << " MB";
#endif
}
