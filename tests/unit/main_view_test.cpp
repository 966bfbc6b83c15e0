// The main window's view: which figure and which text shows where, live and
// during a run.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/MainView.h"

namespace {

const std::uint64_t kMb = 1u << 20;

class MainViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const struct {
            TextKey key;
            const char* text;
        } texts[] = {
            {TextKey::FreeRam, "Free Ram:"},
            {TextKey::KB, "KB"},
            {TextKey::MB, "MB"},
            {TextKey::Free, "Free"},
            {TextKey::MemoryLoad, "Memory Load"},
            {TextKey::TotalRam, "Total Ram:"},
            {TextKey::SwapFile, "PageFile:"},
            {TextKey::Uptime, "Windows elapsed time:"},
        };
        for (const auto& t : texts)
            store.Set(t.key, t.text);
        // 1 GB with 256.5 MB free (25.05 %), 75 % load, 512 of 2048 MB of
        // page file in use.
        memory.dwMemoryLoad = 75;
        memory.dwTotalPhys = 1024 * kMb;
        memory.dwAvailPhys = 256 * kMb + kMb / 2;
        memory.dwTotalPageFile = 2048 * kMb;
        memory.dwAvailPageFile = 1536 * kMb;
    }

    // Every part of a view, in one comparable list.
    static std::vector<std::string> Parts(const MainView& v)
    {
        const auto meter = [](const MeterView& m) { return std::to_string(m.pos) + " " + m.text; };
        const auto icon = [](WindowIcon i) { return "icon " + std::to_string(static_cast<int>(i)); };
        return {v.freeRamLine,
                v.memoryLoadCaption,
                v.totalRamLine,
                v.pageFileLine,
                v.uptimeLine,
                meter(v.freeRam),
                meter(v.memoryLoad),
                meter(v.pageFile),
                meter(v.cpu),
                icon(v.largeIcon),
                icon(v.smallIcon),
                v.tip,
                v.addTip,
                v.title};
    }

    TextStore store;
    MemoryFigures<std::uint64_t> memory;
    // One day, one hour, one minute and one second.
    const std::uint32_t tickCount = ((24 + 1) * 3600 + 61) * 1000;
};

const std::string kYellow = "icon 2";
const std::string kGreen = "icon 3";
const std::string kBusy = "icon 4";

}  // namespace

TEST_F(MainViewTest, OneReadingGivesEveryLineMeterIconTipAndTheTitle)
{
    const std::vector<std::string> expected = {
        "Free Ram: 262,656 KB",
        "Memory Load",
        "Total Ram: 1,025 MB",
        "PageFile: 512 MB / 2048 MB",
        "Windows elapsed time: 01/01:01:01 ",
        "25 25%",
        "75 75%",
        "25 25%",
        "42 42%",
        kYellow,
        kYellow,
        "Brisklet Free - 262,656 KB Free",
        "Brisklet Free - Free Ram: 262656 KB",
        "Brisklet Free",
    };
    EXPECT_EQ(expected, Parts(ComputeMainView(memory, 42, tickCount, 32, store, RunView())));
}

TEST_F(MainViewTest, ARunShowsZerosItsIconTipAndTitleUntilItsEnd)
{
    // The total and the uptime stay live; the large icon stays the level
    // icon of the run's start.
    const RunView running{true, "Freeing 300 Meg", "Optimizing Ram...", WindowIcon::Green};
    const std::vector<std::string> expected = {
        "Free Ram: 0 KB",
        "Memory Load",
        "Total Ram: 1,025 MB",
        "PageFile: 0 MB / 0 MB",
        "Windows elapsed time: 01/01:01:01 ",
        "0 0%",
        "0 0%",
        "0 0%",
        "0 0%",
        kGreen,
        kBusy,
        "Brisklet Free - Optimizing Ram...",
        "Brisklet Free - Free Ram: 262656 KB",
        "Freeing 300 Meg",
    };
    EXPECT_EQ(expected, Parts(ComputeMainView(memory, 42, tickCount, 32, store, running)));

    // Ended, until the next tick: the title is the program's again, the
    // rest stays busy.
    RunView ended = running;
    ended.title.clear();
    std::vector<std::string> afterEnd = expected;
    afterEnd.back() = "Brisklet Free";
    EXPECT_EQ(afterEnd, Parts(ComputeMainView(memory, 42, tickCount, 32, store, ended)));
}

TEST(LevelIcon, ThresholdsAtTwelveAndSixtySevenPercent)
{
    const struct {
        std::int32_t trigger;
        double freePercent;
        WindowIcon icon;
    } cases[] = {
        {32, 0.0, WindowIcon::Red},      {32, 11.99, WindowIcon::Red},   {32, 12.0, WindowIcon::Yellow},
        {32, 66.99, WindowIcon::Yellow}, {32, 67.0, WindowIcon::Green},  {32, 100.0, WindowIcon::Green},
        {0, 5.0, WindowIcon::AutoOff},   {0, 90.0, WindowIcon::AutoOff}, {-3, 5.0, WindowIcon::Red},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.icon, ChooseLevelIcon(c.trigger, c.freePercent)) << c.trigger << " " << c.freePercent;
}
