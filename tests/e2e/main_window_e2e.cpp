// The main window seen from outside: its caption and statistics lines, the
// ways to end it, and the hand-over to a running copy.
#include <gtest/gtest.h>

#include <regex>

#include "resources/resource.h"
#include "tests/e2e/Driver.h"

using namespace e2e;

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override { ClearLanguageDir(); }
};

MEMORYSTATUS Reading()
{
    MEMORYSTATUS ms{};
    ms.dwLength = sizeof ms;
    ::GlobalMemoryStatus(&ms);
    return ms;
}

unsigned long long ParseGrouped(const std::string& digits)
{
    std::string plain;
    for (char c : digits)
        if (c != ',')
            plain += c;
    return std::stoull(plain);
}

// True when a and b differ by at most `percent` of b (figures that move
// between two readings).
bool Near(unsigned long long a, unsigned long long b, unsigned long long percent)
{
    const unsigned long long diff = a > b ? a - b : b - a;
    return diff * 100 <= b * percent + 100;
}

}  // namespace

TEST_F(MainWindow, StatisticsLinesAndTheFreeMeterShowTheSystemsFigures)
{
    ProgramDir dir;
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());

    // No language files: the built-in texts, whose unit words are "Free".
    ASSERT_TRUE(WaitUntil([&] { return !app.ControlText(IDC_UPTIME_LINE).empty(); }));
    // The system's figures as this process reads them, not the program's.
    const MEMORYSTATUS ms = Reading();
    std::smatch m;

    const std::string freeLine = app.ControlText(IDC_FREERAM_LINE);
    ASSERT_TRUE(std::regex_match(freeLine, m, std::regex(R"(Free Ram: (\d{1,3}(,\d{3})*) Free)"))) << freeLine;
    EXPECT_TRUE(Near(ParseGrouped(m[1]), ms.dwAvailPhys >> 10, 10)) << freeLine;

    const std::string totalLine = app.ControlText(IDC_TOTALRAM_LINE);
    ASSERT_TRUE(std::regex_match(totalLine, m, std::regex(R"(Total Ram: (\d{1,3}(,\d{3})*) Free)"))) << totalLine;
    EXPECT_EQ((ms.dwTotalPhys >> 20) + 1, ParseGrouped(m[1])) << totalLine;

    const std::string pageLine = app.ControlText(IDC_PAGEFILE_LINE);
    ASSERT_TRUE(std::regex_match(pageLine, m, std::regex(R"(PageFile: (\d+) Free / (\d+) Free)"))) << pageLine;
    EXPECT_EQ(std::to_string(ms.dwTotalPageFile >> 20), m[2].str());
    EXPECT_TRUE(Near(std::stoull(m[1]), (ms.dwTotalPageFile - ms.dwAvailPageFile) >> 20, 10)) << pageLine;

    const int freeMeter = app.MeterPos(IDC_FREERAM_METER);
    EXPECT_TRUE(Near(static_cast<unsigned long long>(freeMeter),
                     static_cast<unsigned long long>(ms.dwAvailPhys) * 100 / ms.dwTotalPhys, 10))
        << freeMeter;
}

TEST_F(MainWindow, KeepsRefreshingTwiceASecond)
{
    ProgramDir dir;
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    ASSERT_TRUE(WaitUntil([&] { return !app.ControlText(IDC_UPTIME_LINE).empty(); }));
    EXPECT_TRUE(app.WaitForNextSecond());
}

struct EndingCase {
    const char* name;
    void (*end)(const Bkfr& app);
};

class WaysToEnd : public MainWindow, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(WaysToEnd, EndTheProgramAndSaveTheSettings)
{
    ProgramDir dir;
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    GetParam().end(app);
    ASSERT_TRUE(app.WaitForExit()) << GetParam().name;
    EXPECT_EQ(0u, app.ExitCode());
    EXPECT_NE("<missing>", dir.IniValue("MemToFree")) << "settings not saved on " << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(MainWindow, WaysToEnd,
                         ::testing::Values(EndingCase{"ExitButton", [](const Bkfr& app) { app.Command(IDOK); }},
                                           EndingCase{"FileExit", [](const Bkfr& app) { app.Command(ID_FILE_EXIT); }},
                                           EndingCase{"CloseBox", [](const Bkfr& app) { app.SysCommand(SC_CLOSE); }},
                                           EndingCase{"EnterOnExitButton",
                                                      [](const Bkfr& app) { app.PressKey(VK_RETURN); }}),
                         [](const ::testing::TestParamInfo<EndingCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindow, EscapeAndPlainCloseMessageDoNotEndIt)
{
    ProgramDir dir;
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    app.PressKey(VK_ESCAPE);
    app.Post(WM_CLOSE);
    app.Command(IDCANCEL);
    EXPECT_FALSE(app.WaitForExit(1500));
    EXPECT_EQ("Brisklet Free", app.Caption());
}

TEST_F(MainWindow, SecondStartRestoresTheMinimizedFirstCopyAndEnds)
{
    ProgramDir dir;
    Bkfr first(dir);
    ASSERT_TRUE(first.WaitForWindow());
    ASSERT_TRUE(first.Minimize());

    EXPECT_EQ(0u, RunToEnd(dir));
    EXPECT_TRUE(WaitUntil([&] { return ::IsIconic(first.Window()) == FALSE; }));
    EXPECT_TRUE(::IsWindowVisible(first.Window()));
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == first.Window(); }));
    EXPECT_TRUE(first.Running());
}
