// The statistics panel's texts and figures, in both byte widths.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/StatsText.h"
#include "measure/MemoryUnits.h"

TEST(FormatThousands, GroupsDigitsInThrees)
{
    const struct {
        long long value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {7, "7"},
        {999, "999"},
        {1000, "1,000"},
        {1023, "1,023"},
        {65536, "65,536"},
        {123456, "123,456"},
        {1234567, "1,234,567"},
        {2147483647, "2,147,483,647"},
        {25165824, "25,165,824"},
        {4294967295LL, "4,294,967,295"},
        {-1234, "-1,234"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, FormatThousands(c.value)) << c.value;
}

TEST(FormatUptime, ShowsDaysHoursMinutesSecondsWithTrailingBlank)
{
    const struct {
        std::uint32_t ms;
        const char* text;
    } cases[] = {
        {0, "00/00:00:00 "},
        {999, "00/00:00:00 "},
        {1000, "00/00:00:01 "},
        {((2 * 24 + 7) * 3600 + 5 * 60 + 9) * 1000u, "02/07:05:09 "},
        {86399999, "00/23:59:59 "},
        // The tick count's last value before it wraps after 49.7 days.
        {4294967295u, "49/17:02:47 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, FormatUptime(c.ms)) << c.ms;
    // And after the wrap it starts again from zero.
    EXPECT_EQ("00/00:00:00 ", FormatUptime(static_cast<std::uint32_t>(4294967295u + 1u)));
}

template <typename Bytes>
class ByteWidth : public ::testing::Test {};
using Widths = ::testing::Types<std::uint32_t, std::uint64_t>;
TYPED_TEST_SUITE(ByteWidth, Widths);

TYPED_TEST(ByteWidth, AReadingInTheUnitsShown)
{
    using B = TypeParam;
    const B mb = 1u << 20;
    const struct {
        B availPhys, totalPhys, totalPageFile, availPageFile;
        unsigned long long freeKb, totalMb, usedMb, pageFileMb;
        std::int32_t usedPercent;
    } cases[] = {
        // 255.6 MB; 659 of 700 MB free is 94.1 %: 6 % in use.
        {B(999 * 1024 + 1023), B(268038144u), B(700 * mb), B(659 * mb), 999, 255, 41, 700, 6},
        // A part of a megabyte is dropped after the subtraction.
        {B(183212u * 1024u), B(268435456u), B(mb + 10), B(mb), 183212, 256, 0, 1, 1},
        {B(0), B(700 * mb), B(700 * mb), B(0), 0, 700, 700, 700, 100},
        // No page file at all: an empty meter, not a division of 0 by 0.
        {B(0), B(4294967295u), B(0), B(0), 0, 4095, 0, 0, 0},
    };
    for (const auto& c : cases) {
        MemoryFigures<B> memory;
        memory.dwAvailPhys = c.availPhys;
        memory.dwTotalPhys = c.totalPhys;
        memory.dwTotalPageFile = c.totalPageFile;
        memory.dwAvailPageFile = c.availPageFile;
        const ShownFigures shown = ShowFigures(memory);
        EXPECT_EQ(c.freeKb, shown.freeKb) << c.availPhys;
        EXPECT_EQ(c.totalMb, shown.totalMb) << c.totalPhys;
        EXPECT_EQ(c.usedMb, shown.pageFileUsedMb) << c.totalPageFile;
        EXPECT_EQ(c.pageFileMb, shown.pageFileTotalMb) << c.totalPageFile;
        EXPECT_EQ(c.usedPercent, shown.pageFileUsedPercent) << c.availPageFile;
    }
}

TYPED_TEST(ByteWidth, FreePercentIsUntruncated)
{
    using B = TypeParam;
    const struct {
        B avail, total;
    } readings[] = {{1, 2}, {1199, 10000}, {5, 0}};
    std::vector<double> percents;
    for (const auto& r : readings) {
        MemoryFigures<B> memory;
        memory.dwAvailPhys = r.avail;
        memory.dwTotalPhys = r.total;
        percents.push_back(ShowFigures(memory).freePercent);
    }
    EXPECT_DOUBLE_EQ(50.0, percents[0]);
    EXPECT_LT(percents[1], 12.0);
    EXPECT_GT(percents[1], 11.98);
    EXPECT_EQ(0.0, percents[2]);
}

TEST(StatsText, LinesOfTheFiguresShown)
{
    EXPECT_EQ("Free Ram: 1,023 KB", FreeRamLine("Free Ram:", 1023, "KB"));
    EXPECT_EQ("Free Ram: 0 KB", FreeRamPlaceholderLine("Free Ram:", "KB"));
    // Whole megabytes plus one.
    EXPECT_EQ("Total Ram: 256 MB", TotalRamLine("Total Ram:", 255, "MB"));
    EXPECT_EQ("Total Ram: 4,096 MB", TotalRamLine("Total Ram:", 4095, "MB"));
    EXPECT_EQ("PageFile: 8192 MB / 32768 MB", PageFileLine("PageFile:", 8192, 32768, "MB"));
    EXPECT_EQ("PageFile: 0 MB / 0 MB", PageFilePlaceholderLine("PageFile:", "MB"));
}

TEST(StatsText, SixtyFourBitFiguresAboveFourGigabytes)
{
    const std::uint64_t gb = 1ull << 30;
    MemoryFigures<std::uint64_t> memory;
    memory.dwTotalPhys = 24 * gb + 5;
    memory.dwAvailPhys = 20 * gb;
    memory.dwTotalPageFile = 32 * gb;
    memory.dwAvailPageFile = 24 * gb;
    const ShownFigures shown = ShowFigures(memory);
    EXPECT_EQ(24576u, shown.totalMb);
    EXPECT_EQ(20971520u, shown.freeKb);
    EXPECT_EQ(8192u, shown.pageFileUsedMb);
    EXPECT_EQ(32768u, shown.pageFileTotalMb);
}
