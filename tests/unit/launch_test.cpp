// The launcher's command-line split and what each argument opens.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "helper/Launch.h"

TEST(LauncherArgument, TheRestOfTheCommandLineAfterTheProgramName)
{
    const struct {
        const char* commandLine;
        const char* argument;
    } cases[] = {
        {"helper.exe", ""},
        {"helper.exe   ", ""},
        {"helper.exe \t ", ""},
        {"helper.exe /file:readme.txt", "/file:readme.txt"},
        {"  helper.exe\t/url:x", "/url:x"},
        {"\"C:\\My Tools\\helper.exe\" /file:readme.txt", "/file:readme.txt"},
        {"\"C:\\My Tools\\helper.exe\"/file:a", "/file:a"},
        {"\"C:\\unterminated helper.exe /file:a", ""},
        {"helper.exe /file:a b  c ", "/file:a b  c "},  // blanks inside do not split
        {"C:\\My Tools\\helper.exe /file:readme.txt", "Tools\\helper.exe /file:readme.txt"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.argument, ArgumentOf(c.commandLine)) << c.commandLine;
}

TEST(LauncherArgument, PrefixesCountOnlyAtTheStartAndWithCase)
{
    const struct {
        const char* argument;
        HelperCommand command;
        const char* target;
    } cases[] = {
        {"", HelperCommand::Empty, ""},
        {"/url:http://a.example/", HelperCommand::Url, "http://a.example/"},
        {"/url:", HelperCommand::Url, ""},
        {"/mailto:mailto:x@a.example", HelperCommand::Mailto, "mailto:x@a.example"},
        {"/file:readme.txt", HelperCommand::File, "readme.txt"},
        {"/file:", HelperCommand::File, ""},
        {"/URL:http://a.example/", HelperCommand::Unknown, nullptr},
        {"Tools\\helper.exe /file:readme.txt", HelperCommand::Unknown, nullptr},
        {"x/url:http://a.example/", HelperCommand::Unknown, nullptr},
        {"/help", HelperCommand::Unknown, nullptr},
    };
    for (const auto& c : cases) {
        const HelperCommand command = ClassifyArgument(c.argument);
        EXPECT_EQ(c.command, command) << c.argument;
        if (c.target != nullptr) {
            EXPECT_STREQ(c.target, TargetOf(c.argument, command)) << c.argument;
        }
    }
}

TEST(LauncherArgument, OverLongArgumentsOpenNothing)
{
    const std::string prefix = "/url:http://a.example/";
    const std::string at127 = prefix + std::string(127 - prefix.size(), 'p');
    const std::string at128 = prefix + std::string(128 - prefix.size(), 'p');
    EXPECT_EQ(HelperCommand::Url, ClassifyArgument(at127.c_str()));
    EXPECT_EQ(HelperCommand::Unknown, ClassifyArgument(at128.c_str()));
    EXPECT_EQ(HelperCommand::Unknown, ClassifyArgument(("/file:" + std::string(5000, 'f')).c_str()));
}

TEST(LauncherFiles, AlwaysBesideTheLauncher)
{
    char dir[256];
    ASSERT_TRUE(OwnDirectory("C:\\My Tools\\helper.exe", dir, sizeof dir));
    EXPECT_STREQ("C:\\My Tools\\", dir);
    EXPECT_FALSE(OwnDirectory("helper.exe", dir, sizeof dir));
    char small[8];
    EXPECT_FALSE(OwnDirectory("C:\\Tools\\helper.exe", small, sizeof small));

    char target[256];
    ASSERT_TRUE(JoinFileTarget("C:\\My Tools\\", "readme.txt", target, sizeof target));
    EXPECT_STREQ("C:\\My Tools\\readme.txt", target);
    ASSERT_TRUE(JoinFileTarget("C:\\My Tools\\", "", target, sizeof target));
    EXPECT_STREQ("C:\\My Tools\\", target);  // "/file:" alone opens the directory
    ASSERT_TRUE(JoinFileTarget("C:\\T\\", "docs\\a.htm", target, sizeof target));
    EXPECT_STREQ("C:\\T\\docs\\a.htm", target);

    const std::string longDir = "C:\\" + std::string(240, 'd') + "\\";
    std::memset(target, 'G', sizeof target);
    EXPECT_FALSE(JoinFileTarget(longDir.c_str(), "readme.txt.long", target, sizeof target));
    EXPECT_TRUE(JoinFileTarget(longDir.c_str(), "readme.txt", target, sizeof target));
    EXPECT_EQ(254u, std::strlen(target));
}
