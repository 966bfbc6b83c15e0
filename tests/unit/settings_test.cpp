// The settings' computed defaults and the Settings dialog's ranges and
// value labels.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/SettingsDefaults.h"
#include "app/WindowPlacement.h"
#include "ui/SettingsRules.h"

TEST(SettingsDefaults, ThirdAndThirtySecondOfTheWholeMegabytes)
{
    const struct {
        std::uint64_t totalPhys;
        std::int32_t memToFree;
        std::int32_t triggerLevel;
    } cases[] = {
        {268038144u, 85, 7},              // 255.6 MB
        {24u << 20, 8, 1},                // below 32 MB the trigger is at least 1
        {1u << 20, 0, 1},
        {0, 0, 1},
        {4294967295u, 1365, 127},         // the most a 32-bit program sees
        {24ull << 30, 8192, 768},         // 24 GB, seen by a 64-bit program
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
        {64, 256, "64 MB  (25%)"},
        {257, 256, "257 MB  (100%)"},  // 257/256 = 100.39
        {129, 256, "129 MB  (50%)"},
        {29, 100, "29 MB  (28%)"},     // 0.29 * 100 falls just below 29
        {65, 64, "65 MB  (101%)"},     // below 100 MB the label can pass 100
        {0, 256, "0 MB  (0%)"},
        {12288, 24576, "12288 MB  (50%)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.label, ValueLabel(c.value, c.totalMb, "MB"));
    EXPECT_EQ("5 Mo  (0%)", ValueLabel(5, 0, "Mo"));
}

TEST(WindowPlacement, TheWindowMovesOnlyWhenItsCaptionCannotBeGrabbedAndThenJustEnough)
{
    // At 96 dpi a work area must hold 7 rows over 38 columns of Wine's caption, 8 over 46 of Windows 10's.
    const CaptionGeometry wine = {3, 19, 21, 539};   // a caption of 19 below a frame of 3
    const CaptionGeometry win10 = {7, 23, 37, 375};  // 23 below 7, and buttons of 46
    const ScreenRect primary = {0, 0, 1920, 1040};  // a taskbar below
    const struct {
        CaptionGeometry caption;
        std::vector<ScreenRect> areas;
        std::vector<std::pair<ScreenPoint, ScreenPoint>> storedAndOpened;
    } setups[] = {
        // Each edge just graspable, and a pixel beyond: then the whole height.
        {wine, {{0, 0, 1024, 768}},
         {{{-12, -12}, {-12, -12}}, {{-501, 100}, {-501, 100}}, {{-502, 100}, {-501, 100}}, {{965, 100}, {965, 100}},
          {{1500, 0}, {965, 0}}, {{0, -15}, {0, -15}}, {{0, -16}, {0, -3}}, {{0, 758}, {0, 758}}, {{0, 759}, {0, 746}},
          {{0, 2000}, {0, 746}}, {{-2000, -12}, {-501, -3}}}},
        {win10, {primary},
         {{{-12, -12}, {-12, -12}}, {{-2000, 300}, {-329, 300}}, {{3000, 300}, {1837, 300}},
          {{100, -22}, {100, -22}}, {{100, -23}, {100, -7}}, {{100, 2000}, {100, 1010}}}},
        // A lower monitor on the left: the nearer one takes the window.
        {win10, {primary, {-1280, 200, 0, 1224}},
         {{{-12, -12}, {-12, -12}}, {{-2000, 300}, {-1609, 300}}, {{-700, 0}, {-700, 193}},
          {{-200, 300}, {-200, 300}}}},
    };
    for (const auto& s : setups) {
        for (const auto& [stored, opened] : s.storedAndOpened) {
            const ScreenPoint at = KeepCaptionGraspable(stored, s.caption, s.areas);
            EXPECT_EQ(std::make_pair(opened.x, opened.y), std::make_pair(at.x, at.y))
                << s.caption.height << ": " << stored.x << "," << stored.y;
        }
    }
}

TEST(WindowPlacement, TheCaptionsEdgesAreFoundNearTheGuessAsTheWindowAnswers)
{
    // A row of a window, where 'C' moves it: frame, icon, caption, buttons.
    const struct { const char* row; int guess; bool begins; int edge; } cases[] = {
        {"--ssCCCCCCbbb-", 4, true, 4},    {"--ssCCCCCCbbb-", 2, true, 4},    {"--ssCCCCCCbbb-", 7, true, 4},
        {"--ssCCCCCCbbb-", 10, false, 10}, {"--ssCCCCCCbbb-", 12, false, 10}, {"--ssCCCCCCbbb-", 8, false, 10},
        {"-CssCCCCCCbbb-", 6, true, 4},  // not the caption before the icon
        {"--ssssssssssCC", 2, true, 2},  // none within reach
    };
    for (const auto& c : cases) {
        const auto isCaption = [&](int i) { return i >= 0 && i < int(std::string(c.row).size()) && c.row[i] == 'C'; };
        EXPECT_EQ(c.edge, CaptionEdge(isCaption, c.guess, c.begins, 8)) << c.row << " from " << c.guess;
    }
}

TEST(SettingsFile, IntegersAreReadAsTheProfileFunctionsReadThem)
{
    const struct {
        const char* text;  // null: no such key
        std::int32_t value;
    } cases[] = {
        {nullptr, 77}, {"", 77},          {"-12", -12},       {"abc", 0},
        {"12abc", 12}, {" 7", 7},         {"+5", 5},          {"4294967295", -1},
        {"0", 0},      {"2147483648", -2147483647 - 1},     {"99999999999999", 276447231},
    };
    for (const auto& c : cases) {
        const std::string text = c.text != nullptr ? c.text : "";
        EXPECT_EQ(c.value, ProfileInt(c.text != nullptr ? &text : nullptr, 77)) << (c.text ? c.text : "(none)");
    }
}
