// The statistics panel's texts, levels and trigger test, in both byte widths.
#include <gtest/gtest.h>

#include <cstdint>

#include "app/StatsText.h"

TEST(FormatThousands, GroupsDigitsInThrees)
{
    const struct {
        long long value;
        const char* text;
    } cases[] = {
        {0, "0"},           {7, "7"},
        {999, "999"},       {1000, "1,000"},
        {1023, "1,023"},    {65536, "65,536"},
        {123456, "123,456"}, {1234567, "1,234,567"},
        {2147483647, "2,147,483,647"}, {25165824, "25,165,824"},
        {4294967295LL, "4,294,967,295"}, {-1234, "-1,234"},
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

TEST(LevelIcon, ThresholdsAtTwelveAndSixtySevenPercent)
{
    const struct {
        std::int32_t trigger;
        double freePercent;
        LevelIcon icon;
    } cases[] = {
        {32, 0.0, LevelIcon::Red},      {32, 11.99, LevelIcon::Red},     {32, 12.0, LevelIcon::Yellow},
        {32, 66.99, LevelIcon::Yellow}, {32, 67.0, LevelIcon::Green},    {32, 100.0, LevelIcon::Green},
        {0, 5.0, LevelIcon::AutoOff},   {0, 90.0, LevelIcon::AutoOff},   {-3, 5.0, LevelIcon::Red},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.icon, ChooseLevelIcon(c.trigger, c.freePercent)) << c.trigger << " " << c.freePercent;
}

template <typename Bytes>
class ByteWidth : public ::testing::Test {};
using Widths = ::testing::Types<std::uint32_t, std::uint64_t>;
TYPED_TEST_SUITE(ByteWidth, Widths);

TYPED_TEST(ByteWidth, TotalRamIsWholeMegabytesPlusOne)
{
    using B = TypeParam;
    EXPECT_EQ("Total Ram: 256 MB", TotalRamLine("Total Ram:", B(268038144u), "MB"));
    EXPECT_EQ("Total Ram: 257 MB", TotalRamLine("Total Ram:", B(268435456u), "MB"));
    EXPECT_EQ("Total Ram: 4,096 MB", TotalRamLine("Total Ram:", B(4294967295u), "MB"));
}

TYPED_TEST(ByteWidth, FreeRamLineShowsWholeKilobytesGrouped)
{
    using B = TypeParam;
    EXPECT_EQ("Free Ram: 1,023 KB", FreeRamLine("Free Ram:", B(1023 * 1024 + 1023), "KB"));
    EXPECT_EQ("Free Ram: 999 KB", FreeRamLine("Free Ram:", B(999 * 1024), "KB"));
    EXPECT_EQ("Free Ram: 183,212 KB", FreeRamLine("Free Ram:", B(183212u * 1024u), "KB"));
    EXPECT_EQ("Free Ram: 0 KB", FreeRamPlaceholderLine("Free Ram:", "KB"));
}

TYPED_TEST(ByteWidth, PageFileLineShowsUsedAndTotalMegabytes)
{
    using B = TypeParam;
    const B mb = 1u << 20;
    EXPECT_EQ("PageFile: 41 MB / 700 MB", PageFileLine("PageFile:", B(700 * mb), B(659 * mb), "MB"));
    // A part of a megabyte is dropped after the subtraction.
    EXPECT_EQ("PageFile: 0 MB / 1 MB", PageFileLine("PageFile:", B(mb + 10), B(mb), "MB"));
    EXPECT_EQ("PageFile: 0 MB / 0 MB", PageFilePlaceholderLine("PageFile:", "MB"));
}

TYPED_TEST(ByteWidth, TriggerStartsOnlyBelowTheLevel)
{
    using B = TypeParam;
    const B mb = 1u << 20;
    const struct {
        std::int32_t trigger;
        B avail;
        bool starts;
    } cases[] = {
        {32, B(20 * mb), true},
        {32, B(32 * mb), false},                // equal is not less
        {32, B(31 * mb), true},                 // one megabyte less
        {21, B(20 * mb + 9 * mb / 10), true},   // 20.9 MB: 20 < 21
        {0, B(1 * mb), false},                  // automatic start off
        {-5, B(0), false},
        {1, B(mb - 1), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.starts, TriggerReached(c.trigger, c.avail)) << c.trigger << " " << c.avail;
}

TYPED_TEST(ByteWidth, PageFileMeterShowsTheUsedShare)
{
    using B = TypeParam;
    EXPECT_EQ(100 - 33, PageFileUsedPercent(B(1), B(3)));
    EXPECT_EQ(0, PageFileUsedPercent(B(700), B(700)));
    EXPECT_EQ(100, PageFileUsedPercent(B(0), B(700)));
    // No page file at all: an empty meter, not a division of 0 by 0.
    EXPECT_EQ(0, PageFileUsedPercent(B(0), B(0)));
}

TEST(StatsText, SixtyFourBitFiguresAboveFourGigabytes)
{
    const std::uint64_t gb = 1ull << 30;
    EXPECT_EQ("Total Ram: 24,577 MB", TotalRamLine("Total Ram:", 24 * gb + 5, "MB"));
    EXPECT_EQ("Free Ram: 20,971,520 KB", FreeRamLine("Free Ram:", 20 * gb, "KB"));
    EXPECT_EQ("PageFile: 8192 MB / 32768 MB", PageFileLine("PageFile:", 32 * gb, 24 * gb, "MB"));
    EXPECT_DOUBLE_EQ(25.0, FreePercent(6 * gb, 24 * gb));
    EXPECT_EQ(LevelIcon::Red, ChooseLevelIcon(100, FreePercent(2 * gb, 24 * gb)));
    EXPECT_TRUE(TriggerReached<std::uint64_t>(5000, 4 * gb));
    EXPECT_FALSE(TriggerReached<std::uint64_t>(5000, 5 * gb));
}

TEST(StatsText, FreePercentIsUntruncated)
{
    EXPECT_DOUBLE_EQ(50.0, FreePercent<std::uint32_t>(1, 2));
    EXPECT_LT(FreePercent<std::uint32_t>(1199, 10000), 12.0);
    EXPECT_EQ(0.0, FreePercent<std::uint32_t>(5, 0));
}
