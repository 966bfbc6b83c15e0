// Runs of the real worker seen from outside (the in-process tests use a
// step that writes no memory): one block, and the incremental steps in the
// caption, with the free memory that Wine reports set by the test.
#include <gtest/gtest.h>

#include <string>

#include "resources/resource.h"
#include "tests/e2e/Driver.h"

using namespace e2e;

namespace {

class Optimize : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearLanguageDir();
        if (!memory.Available())
            GTEST_SKIP() << "the free memory cannot be set here (needs root and a private mount namespace)";
    }

    // Waits until the program shows the free memory set by the test.
    static bool ShowsFreeKb(const Bkfr& app, const std::string& grouped)
    {
        return WaitUntil([&] { return app.ControlText(IDC_FREERAM_LINE) == "Free Ram: " + grouped + " Free"; });
    }

    FakeMemory memory;
};

const unsigned long long kMb = 1024;  // in kilobytes

}  // namespace

TEST_F(Optimize, AOneBlockRunOfTheRealWorkerEndsAndGivesTheWindowBack)
{
    memory.SetFreeKb(100 * kMb, 2048 * kMb, 2048 * kMb);
    ProgramDir dir;
    dir.WriteIni("[Settings]\r\nMemToFree=1200\r\nTriggerLevel=0\r\nUseIncrementalRelease=0\r\n");
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    ASSERT_TRUE(ShowsFreeKb(app, "102,400"));

    app.Command(IDC_OPTIMIZE);
    bool sawRun = false;
    EXPECT_TRUE(WaitUntil(
        [&] {
            sawRun = sawRun || !app.ControlEnabled(IDC_OPTIMIZE);
            return sawRun && app.Caption() == "Brisklet Free" && app.ControlEnabled(IDC_OPTIMIZE);
        },
        60000));
}

TEST_F(Optimize, IncrementalRunCountsTheMegabytesInTheCaption)
{
    // A page file with room for the steps: a run asks for no more.
    memory.SetFreeKb(100 * kMb, 1024 * kMb, 1024 * kMb);
    ProgramDir dir;
    dir.WriteIni("[Settings]\r\nMemToFree=160\r\nTriggerLevel=0\r\nUseIncrementalRelease=1\r\n");
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    ASSERT_TRUE(ShowsFreeKb(app, "102,400"));

    app.Command(ID_FILE_OPTIMIZE);
    std::string lastStep;
    int steps = 0;
    ASSERT_TRUE(WaitUntil(
        [&] {
            const std::string caption = app.Caption();
            if (caption.rfind("Freeing ", 0) == 0 && caption != lastStep) {
                lastStep = caption;
                ++steps;
            }
            return steps > 0 && caption == "Brisklet Free" && app.ControlEnabled(IDC_OPTIMIZE);
        },
        120000));
    // Steps from 100 MB up to the last size below the target, 159 MB.
    EXPECT_GE(steps, 2);
    EXPECT_EQ("Freeing 159 Meg", lastStep);
}
