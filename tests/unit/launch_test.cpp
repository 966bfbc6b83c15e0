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
        {"/mailto:mailto:x@a.example", HelperCommand::Mailto, "mailto:x@a.example"},
        {"/file:readme.txt", HelperCommand::File, "readme.txt"},
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

// Characters, as the system counts them: UTF-16 units, not bytes.
TEST(LauncherArgument, LengthsCountCharactersNotBytes)
{
    std::string cyrillic = "/file:";
    for (int i = 0; i < 117; ++i)
        cyrillic += "\xD1\x8F";  // 2 bytes, 1 unit
    EXPECT_EQ(HelperCommand::File, ClassifyArgument((cyrillic + ".txt").c_str()));
    EXPECT_EQ(HelperCommand::Unknown, ClassifyArgument((cyrillic + "\xD1\x8F.txt").c_str()));

    std::string faces = "/url:https://a.example/";  // 23 units
    for (int i = 0; i < 52; ++i)
        faces += "\xF0\x9F\x98\x80";  // 4 bytes, 2 units
    EXPECT_EQ(HelperCommand::Url, ClassifyArgument(faces.c_str()));
    EXPECT_EQ(HelperCommand::Unknown, ClassifyArgument((faces + "p").c_str()));
}

TEST(LauncherArgument, OpensOnlyWebAddressesMailAddressesAndPlainFileNames)
{
    const struct {
        const char* argument;
        HelperCommand command;
    } cases[] = {
        // What bkfr asks for, and the schemes without case.
        {"/url:https://www.brisklet.example/free/", HelperCommand::Url},
        {"/url:HTTP://a.example/", HelperCommand::Url},
        {"/mailto:mailto:support@brisklet.example", HelperCommand::Mailto},
        {"/mailto:MailTo:x@a.example?subject=Hi%20there", HelperCommand::Mailto},
        {"/file:bkfr.htm", HelperCommand::File},
        {"/file:read me.txt", HelperCommand::File},
        {"/file:\xD0\xB0\xE3\x83\x84.txt", HelperCommand::File},
        {"/file:.txt", HelperCommand::File},
        {"/file:console.txt", HelperCommand::File},
        {"/file:com10.txt", HelperCommand::File},
        {"/file:README.TXT", HelperCommand::File},
        {"/file:page.Html", HelperCommand::File},
        // Documents only: no program, script or folder beside the launcher.
        {"/file:evil.bat", HelperCommand::Unknown},
        {"/file:bkfr.exe", HelperCommand::Unknown},
        {"/file:helper.exe", HelperCommand::Unknown},
        {"/file:lang", HelperCommand::Unknown},
        {"/file:notes.txt.exe", HelperCommand::Unknown},
        {"/file:page.htmx", HelperCommand::Unknown},
        // Programs and other schemes.
        {"/url:C:\\windows\\system32\\winver.exe", HelperCommand::Unknown},
        {"/url:winver.exe", HelperCommand::Unknown},
        {"/url:file:///C:/windows/system32/winver.exe", HelperCommand::Unknown},
        {"/url:\\\\server\\share\\x.exe", HelperCommand::Unknown},
        {"/url:ftp://a.example/", HelperCommand::Unknown},
        {"/url:http:/a.example/", HelperCommand::Unknown},
        {"/url:mailto:x@a.example", HelperCommand::Unknown},
        {"/mailto:x@a.example", HelperCommand::Unknown},
        {"/mailto:https://a.example/", HelperCommand::Unknown},
        // Nothing after the prefix or the scheme.
        {"/url:", HelperCommand::Unknown},
        {"/url:https://", HelperCommand::Unknown},
        {"/mailto:", HelperCommand::Unknown},
        {"/file:", HelperCommand::Unknown},
        // More arguments for the handler, or hidden characters.
        {"/mailto:mailto:x@a.example\" --extra", HelperCommand::Unknown},
        {"/url:https://a.example/\"", HelperCommand::Unknown},
        {"/file:\"readme.txt\"", HelperCommand::Unknown},
        {"/mailto:mailto:x@a.example --extra", HelperCommand::Unknown},
        {"/url:https://a.example/ x", HelperCommand::Unknown},
        {"/url:https://a.example/\tx", HelperCommand::Unknown},
        {"/file:read\x01me.txt", HelperCommand::Unknown},
        // Files elsewhere than beside the launcher.
        {"/file:..\\x.txt", HelperCommand::Unknown},
        {"/file:../x.txt", HelperCommand::Unknown},
        {"/file:..", HelperCommand::Unknown},
        {"/file:x..txt", HelperCommand::Unknown},
        {"/file:C:\\windows\\win.ini", HelperCommand::Unknown},
        {"/file:C:win.ini", HelperCommand::Unknown},
        {"/file:\\\\server\\share\\x.txt", HelperCommand::Unknown},
        {"/file:\\x.txt", HelperCommand::Unknown},
        {"/file:docs\\a.htm", HelperCommand::Unknown},
        {"/file:docs/a.htm", HelperCommand::Unknown},
        {"/file:readme.txt:stream", HelperCommand::Unknown},
        // Not file names: wildcards and other characters they cannot hold,
        // names the system changes, devices.
        {"/file:*.txt", HelperCommand::Unknown},
        {"/file:readme.tx?", HelperCommand::Unknown},
        {"/file:a<b", HelperCommand::Unknown},
        {"/file:a>b", HelperCommand::Unknown},
        {"/file:a|b", HelperCommand::Unknown},
        {"/file:.", HelperCommand::Unknown},
        {"/file:readme.txt.", HelperCommand::Unknown},
        {"/file:readme.txt ", HelperCommand::Unknown},
        {"/file:CON", HelperCommand::Unknown},
        {"/file:nul.txt", HelperCommand::Unknown},
        {"/file:Aux .htm", HelperCommand::Unknown},
        {"/file:prn", HelperCommand::Unknown},
        {"/file:COM1", HelperCommand::Unknown},
        {"/file:lpt9.txt", HelperCommand::Unknown},
        {"/file:COM\xC2\xB9", HelperCommand::Unknown},
        {"/file:CONOUT$", HelperCommand::Unknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.command, ClassifyArgument(c.argument)) << c.argument;
}

TEST(LauncherArgument, LoneSurrogatesHaveNoUtf8Form)
{
    const struct {
        const char16_t* text;
        bool wellFormed;
    } cases[] = {
        {u"", true},
        {u"/file:readme.txt", true},
        {u"/url:https://a.example/\xD83D\xDE00", true},  // a pair
        {u"/url:https://a.example/\xD800", false},
        {u"/url:https://a.example/\xDC00x", false},
        {u"\xD800\xD800\xDC00", false},
        {u"\xDBFF\xDFFF\xDC00", false},
    };
    for (std::size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
        EXPECT_EQ(cases[i].wellFormed, IsWellFormedUtf16(cases[i].text)) << "case " << i;
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

    const std::string longDir = "C:\\" + std::string(240, 'd') + "\\";
    std::memset(target, 'G', sizeof target);
    EXPECT_FALSE(JoinFileTarget(longDir.c_str(), "readme.txt.long", target, sizeof target));
    EXPECT_TRUE(JoinFileTarget(longDir.c_str(), "readme.txt", target, sizeof target));
    EXPECT_EQ(254u, std::strlen(target));

    // A path counts its characters: 245 of them take 486 bytes here.
    std::string cyrillicDir = "C:\\";
    for (int i = 0; i < 241; ++i)
        cyrillicDir += "\xD0\x90";
    cyrillicDir += "\\";
    char wide[768];
    ASSERT_TRUE(JoinFileTarget(cyrillicDir.c_str(), "readme.txt", wide, sizeof wide));
    EXPECT_EQ(cyrillicDir + "readme.txt", wide);
    EXPECT_FALSE(JoinFileTarget(cyrillicDir.c_str(), "readme.txt.", wide, sizeof wide));
    EXPECT_FALSE(JoinFileTarget(cyrillicDir.c_str(), "readme.txt", wide, cyrillicDir.size() + 10));
}
