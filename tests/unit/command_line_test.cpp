// The switches of bkfr.exe.
#include <gtest/gtest.h>

#include "app/CommandLine.h"

TEST(CommandLine, OneSwitchWithSlashOrDashInAnyCase)
{
    const struct {
        const char* commandLine;
        StartMode mode;
    } cases[] = {
        {"bkfr.exe", StartMode::Normal},
        {"\"C:\\My Tools\\bkfr.exe\"", StartMode::Normal},
        {"\"C:\\My Tools\\bkfr.exe\"   ", StartMode::Normal},
        {"\"C:\\My Tools\\bkfr.exe\" /tray", StartMode::Tray},
        {"bkfr.exe -TRAY", StartMode::Tray},
        {"bkfr.exe\t/Optimize", StartMode::Optimize},
        {"bkfr.exe -optimize", StartMode::Optimize},
        {"bkfr.exe /tray /optimize", StartMode::Invalid},  // one at a time
        {"bkfr.exe tray", StartMode::Invalid},
        {"bkfr.exe /", StartMode::Invalid},
        {"bkfr.exe /trayx", StartMode::Invalid},
        {"bkfr.exe /?", StartMode::Invalid},
        // A quoted name with blanks is one name, not a switch.
        {"\"C:\\a /tray\\bkfr.exe\"", StartMode::Normal},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.mode, ParseCommandLine(c.commandLine)) << c.commandLine;
}
