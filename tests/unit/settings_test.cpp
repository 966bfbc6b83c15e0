// The settings' computed defaults and the Settings dialog's ranges and
// value labels.
#include <gtest/gtest.h>

#include <cstdint>

#include "app/SettingsDefaults.h"
#include "ui/SettingsRules.h"

TEST(SettingsDefaults, ThirdAndThirtySecondOfTheWholeMegabytes)
{
    const struct {
        std::uint64_t totalPhys;
        std::int32_t memToFree;
        std::int32_t triggerLevel;
    } cases[] = {
        {268038144u, 85, 7},                                            // 255.6 MB
        {24u << 20, 8, 1},                                              // below 32 MB the trigger is at least 1
        {1u << 20, 0, 1},         {0, 0, 1}, {4294967295u, 1365, 127},  // the most a 32-bit program sees
        {24ull << 30, 8192, 768},                                       // 24 GB, seen by a 64-bit program
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.memToFree, DefaultMemToFree(c.totalPhys)) << c.totalPhys;
        EXPECT_EQ(c.triggerLevel, DefaultTriggerLevel(c.totalPhys)) << c.totalPhys;
        if (c.totalPhys <= 0xFFFFFFFFu) {
            const auto narrow = static_cast<std::uint32_t>(c.totalPhys);
            EXPECT_EQ(c.memToFree, DefaultMemToFree(narrow));
            EXPECT_EQ(c.triggerLevel, DefaultTriggerLevel(narrow));
        }
    }
}

TEST(SettingsDialogRules, SliderRangesFollowTheTotalMemory)
{
    const struct {
        std::uint64_t totalPhys;
        SliderRanges ranges;
    } cases[] = {
        {256u << 20, {1, 257, 0, 129}},
        {268038144u, {1, 256, 0, 128}},
        {100u << 20, {1, 101, 0, 51}},
        {24ull << 30, {1, 24577, 0, 12289}},
    };
    for (const auto& c : cases) {
        const SliderRanges r = RangesForMemory(c.totalPhys);
        EXPECT_EQ(c.ranges.memToFreeMin, r.memToFreeMin);
        EXPECT_EQ(c.ranges.memToFreeMax, r.memToFreeMax) << c.totalPhys;
        EXPECT_EQ(c.ranges.triggerMin, r.triggerMin);
        EXPECT_EQ(c.ranges.triggerMax, r.triggerMax) << c.totalPhys;
    }
}

TEST(SettingsDialogRules, ValueLabelsShowTheShareOfTotalMemory)
{
    const struct {
        std::int32_t value;
        std::uint64_t totalMb;
        const char* label;
    } cases[] = {
        {64, 256, "64 MB  (25%)"},   {257, 256, "257 MB  (100%)"},  // 257/256 = 100.39
        {129, 256, "129 MB  (50%)"}, {29, 100, "29 MB  (28%)"},     // 0.29 * 100 falls just below 29
        {65, 64, "65 MB  (101%)"},                                  // below 100 MB the label can pass 100
        {0, 256, "0 MB  (0%)"},      {12288, 24576, "12288 MB  (50%)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.label, ValueLabel(c.value, c.totalMb, "MB"));
    EXPECT_EQ("5 Mo  (0%)", ValueLabel(5, 0, "Mo"));
}

TEST(SettingsFile, IntegersAreReadAsTheProfileFunctionsReadThem)
{
    const struct {
        const char* text;  // null: no such key
        std::int32_t value;
    } cases[] = {
        {nullptr, 77},
        {"", 77},
        {"-12", -12},
        {"abc", 0},
        {"12abc", 12},
        {" 7", 7},
        {"+5", 5},
        {"4294967295", -1},
        {"0", 0},
        {"2147483648", -2147483647 - 1},
        {"99999999999999", 276447231},
    };
    for (const auto& c : cases) {
        const std::string text = c.text != nullptr ? c.text : "";
        EXPECT_EQ(c.value, ProfileInt(c.text != nullptr ? &text : nullptr, 77)) << (c.text ? c.text : "(none)");
    }
}
