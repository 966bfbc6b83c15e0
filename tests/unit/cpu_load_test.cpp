// The Windows version table and the processor-load formula.
#include <gtest/gtest.h>

#include <limits>

#include "measure/CpuLoad.h"
#include "measure/Percent.h"

TEST(ClassifyVersion, NamesTheVersionsOfTheTable)
{
    const struct {
        std::uint32_t platform, major, minor;
        OsKind kind;
    } cases[] = {
        {1, 4, 0, OsKind::Win95},   {1, 4, 10, OsKind::Win98}, {1, 4, 90, OsKind::WinME}, {1, 4, 3, OsKind::None},
        {1, 5, 0, OsKind::None},    {1, 3, 10, OsKind::None},  {2, 3, 51, OsKind::WinNT}, {2, 4, 0, OsKind::WinNT},
        {2, 5, 0, OsKind::Win2000}, {2, 5, 1, OsKind::WinXP},  {2, 5, 2, OsKind::None},   {2, 6, 1, OsKind::None},
        {2, 10, 0, OsKind::None},   {0, 4, 0, OsKind::None},   {3, 5, 1, OsKind::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.kind, ClassifyVersion(c.platform, c.major, c.minor))
            << c.platform << " " << c.major << "." << c.minor;
}

namespace {

// Two samples `elapsed` apart (100 ns units) with `idle` idle time between
// them; returns the second sample's load.
std::int32_t LoadOver(std::uint64_t elapsed, std::uint64_t idle, std::uint8_t cpus, CpuSampleState* out = nullptr)
{
    CpuSampleState state;
    const std::uint64_t t0 = 130000000000000000ull, idle0 = 5000000;
    EXPECT_EQ(0, ApplyCpuSample(state, idle0, t0, cpus));  // the first sample only records
    const std::int32_t load = ApplyCpuSample(state, idle0 + idle, t0 + elapsed, cpus);
    if (out != nullptr)
        *out = state;
    return load;
}

}  // namespace

TEST(CpuSample, LoadFromIdleTimeBetweenTwoSamples)
{
    const std::uint64_t half = 5000000;  // 500 ms
    const struct {
        std::uint64_t idle;
        std::uint8_t cpus;
        std::int32_t load;
    } cases[] = {
        {half, 1, 0},            // 100 - 100 + 0.5
        {0, 1, 100},             // 100.5
        {half, 2, 50},           // one of two processors busy: 50.5
        {half / 4, 1, 75},       // 75.5
        {half * 3 / 10, 1, 70},  // 70.5
        {2 * half, 2, 0},
        {half, 0, 0},  // no processor count: counted as one
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.load, LoadOver(half, c.idle, c.cpus)) << c.idle << " on " << int(c.cpus);
}

TEST(CpuSample, KeepsItsStateAcrossSamples)
{
    CpuSampleState state;
    LoadOver(5000000, 0, 1, &state);
    EXPECT_DOUBLE_EQ(100.5, state.usage);
    EXPECT_DOUBLE_EQ(5000000.0, state.timeDelta);
    // No time passed since the previous sample: the previous load stands.
    EXPECT_EQ(100, ApplyCpuSample(state, state.prevIdle + 10, state.prevTime, 1));
    // An idle delta beyond the time delta reaches the meter below 0.
    EXPECT_EQ(-99, ApplyCpuSample(state, state.prevIdle + 2 * 5000000, state.prevTime + 5000000, 1));
}

TEST(CpuSample, FarOutOfRangeValuesStayInTheIntegerRange)
{
    EXPECT_EQ(std::numeric_limits<std::int32_t>::max(), TruncateToInt32(1e300));
    EXPECT_EQ(std::numeric_limits<std::int32_t>::min(), TruncateToInt32(-1e300));
    EXPECT_EQ(0, TruncateToInt32(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(-3, TruncateToInt32(-3.9));
    EXPECT_EQ(99, TruncateToInt32(99.99));
}

TEST(Percent, DividesFirstAndTruncates)
{
    CPercent percent;
    EXPECT_EQ(33, percent.Calc(1, 3));
    EXPECT_NEAR(33.3333333, percent.m_dValue, 1e-6);
    EXPECT_EQ(28, percent.Calc(29, 100));  // 0.29 * 100 is just below 29
    EXPECT_EQ(100, percent.Calc(7, 7));
    EXPECT_EQ(101, percent.Calc(65, 64));
    EXPECT_EQ(50, percent.Calc(6ull << 30, 12ull << 30));
    EXPECT_EQ(2147483647, percent.Calc(~0ull, 1));  // held at the limit, not overflowed
    EXPECT_EQ(0, percent.Calc(0, 0));
    EXPECT_EQ(0.0, percent.m_dValue);
}
