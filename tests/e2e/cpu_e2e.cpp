// The processor meter seen from outside, on both Windows families.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "resources/resource.h"
#include "tests/e2e/Driver.h"

using namespace e2e;

namespace {

// Keeps every processor busy while it exists.
class BusyLoad {
public:
    BusyLoad()
    {
        const unsigned n = std::max(1u, std::thread::hardware_concurrency());
        for (unsigned i = 0; i < n; ++i)
            m_threads.emplace_back([this] {
                volatile unsigned long long x = 0;
                while (!m_stop)
                    x = x + 1;
            });
    }
    ~BusyLoad()
    {
        m_stop = true;
        for (std::thread& t : m_threads)
            t.join();
    }

private:
    std::atomic<bool> m_stop{false};
    std::vector<std::thread> m_threads;
};

// Wine's version for one program, set for the life of this object.
class WineVersionFor {
public:
    WineVersionFor(const char* exe, const char* version) : m_key(std::string("Software\\Wine\\AppDefaults\\") + exe)
    {
        HKEY key = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, m_key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        ::RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                         static_cast<DWORD>(strlen(version) + 1));
        ::RegCloseKey(key);
    }
    ~WineVersionFor() { ::RegDeleteKeyA(HKEY_CURRENT_USER, m_key.c_str()); }

private:
    std::string m_key;
};

}  // namespace

namespace {

// The processor load of the whole machine over `ms`, as the system reports
// it to this process (idle against total time of every processor).
int MachineLoadOver(DWORD ms)
{
    FILETIME idle0, kernel0, user0, idle1, kernel1, user1;
    ::GetSystemTimes(&idle0, &kernel0, &user0);
    ::Sleep(ms);
    ::GetSystemTimes(&idle1, &kernel1, &user1);
    auto value = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    const ULONGLONG idle = value(idle1) - value(idle0);
    const ULONGLONG total = value(kernel1) - value(kernel0) + value(user1) - value(user0);
    return total == 0 ? 0 : static_cast<int>(100 - idle * 100 / total);
}

}  // namespace

TEST(CpuMeter, RisesWhileABusyProcessRunsAndFallsBackWhenItEnds)
{
    ClearLanguageDir();
    ProgramDir dir;
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    int peak = 0;
    {
        BusyLoad load;
        EXPECT_TRUE(WaitUntil(
            [&] {
                peak = std::max(peak, app.MeterPos(IDC_CPU_METER));
                return peak >= 60;
            },
            15000))
            << "peak " << peak;
    }
    // Other work on the machine can keep it busy after the load ends; the
    // meter then has nothing to fall back to.
    const int machine = MachineLoadOver(1500);
    if (machine > 60)
        GTEST_SKIP() << "the machine stays " << machine << "% busy without the test's load";
    EXPECT_TRUE(WaitUntil([&] { return app.MeterPos(IDC_CPU_METER) <= std::min(peak - 30, machine + 30); }, 15000))
        << "stayed at " << app.MeterPos(IDC_CPU_METER) << " with the machine at " << machine << "%";
}

TEST(CpuMeter, OnWindows98WithoutItsRegistryCounterTheLoadIsZero)
{
#ifdef _WIN64
    GTEST_SKIP() << "a 64-bit program does not run on the Windows 9x family";
#else
    ClearLanguageDir();
    WineVersionFor win98("bkfr.exe", "win98");
    ProgramDir dir;
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    // Wine has no 9x counter: the NT sampler, the one way to see this load
    // here, must not stand in for it.
    BusyLoad load;
    for (int tick = 0; tick < 4; ++tick) {
        ASSERT_TRUE(app.WaitForNextSecond());
        EXPECT_EQ(0, app.MeterPos(IDC_CPU_METER));
    }
#endif
}
