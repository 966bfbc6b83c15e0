// Damaged and hostile input: the program starts, shows its window, keeps
// working and ends cleanly, with a message only where it has one to give.
#include <gtest/gtest.h>

#include "tests/e2e/Driver.h"

#include <vector>

#include "resources/resource.h"

using namespace e2e;

namespace {

// Starts the program, checks that it is alive and shows figures, and ends
// it through File > Exit.
void RunsAndEnds(const ProgramDir& dir)
{
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow()) << "no window";
    ASSERT_TRUE(WaitUntil([&] { return !app.ControlText(IDC_UPTIME_LINE).empty(); }));
    EXPECT_EQ(nullptr, app.FindMessageBox());
    EXPECT_EQ("Brisklet Free", app.Caption());
    app.Command(ID_FILE_EXIT);
    ASSERT_TRUE(app.WaitForExit());
    EXPECT_EQ(0u, app.ExitCode());
}

std::string Repeat(const std::string& part, std::size_t times)
{
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += part;
    return text;
}

std::string Garbage(std::size_t size)
{
    std::string bytes(size, '\0');
    unsigned state = 12345;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 16);
    }
    return bytes;
}

}  // namespace

TEST(BadInput, DamagedSettingsFiles)
{
    ClearLanguageDir();
    const struct {
        const char* name;
        std::string content;
    } cases[] = {
        {"binary garbage", Garbage(4096)},
        {"huge", "[Settings]\r\n" + Repeat("Junk=" + std::string(200, 'j') + "\r\n", 40000) + "MemToFree=33\r\n"},
        {"values out of every range",
         "[Settings]\r\nLanguage=-7\r\nMemToFree=-5\r\nTriggerLevel=2147483647\r\nStayOnTop=9\r\n"
         "SysTrayIcon=-2\r\nUseIncrementalRelease=300\r\nLeft=-99999\r\nTop=99999\r\n"},
        {"numbers beyond 32 bits", "[Settings]\r\nLanguage=99999999999999\r\nMemToFree=4294967296\r\n"},
        {"no section", "MemToFree=5\r\nTriggerLevel=5\r\n"},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramDir dir("bad ini");
        dir.WriteIni(c.content);
        RunsAndEnds(dir);
        // The settings were written on the way out.
        EXPECT_NE("<missing>", dir.IniValue("MemToFree"));
    }
}

TEST(BadInput, SettingsFileThatCannotBeWritten)
{
    ClearLanguageDir();
    // A directory where the file should be.
    ProgramDir dir("ini is a folder");
    ::CreateDirectoryA(dir.IniPath().c_str(), nullptr);
    RunsAndEnds(dir);
    EXPECT_TRUE(::GetFileAttributesA(dir.IniPath().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(BadInput, DamagedLanguageFilesAndDirectories)
{
    ProgramDir langs("bad lang");
    const std::string dir = langs.Path();
    const auto write = [&](const std::string& name, const std::string& content) {
        WriteWholeFile(dir + name, content);
    };
    write("language.ini",
          "[languages]\r\n0=long.ini\r\n1=nosections.ini\r\n2=binary.ini\r\n3=" + std::string(400, 'n') + ".ini\r\n");
    write("long.ini", "[free_main]\r\nOptimizeBtn_Text=" + std::string(10000, 'O') +
                          "\r\nExitBtn_Text=" + std::string(10000, 'E') +
                          "\r\n[free_global_strings]\r\nKB_Text=" + std::string(10000, 'K') + "\r\n");
    write("nosections.ini", "OptimizeBtn_Text=Nope\r\nExitBtn_Text=Nope\r\n");
    write("binary.ini", Garbage(8192));

    const struct {
        const char* name;
        std::string installDir;
        int language;
        std::string exitText;  // empty: not checked
    } cases[] = {
        {"10,000-character values", dir, 0, std::string(2047, 'E')},
        {"no sections", dir, 1, "Exit"},
        {"binary content", dir, 2, ""},
        {"file name too long for a path", dir, 3, "Exit"},
        {"InstallDir too long", std::string(300, 'x') + "\\", 0, "Exit"},
        {"InstallDir without backslash", dir.substr(0, dir.size() - 1), 0, "Exit"},
        {"InstallDir naming a file", dir + "language.ini\\", 0, "Exit"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetLanguageDir(c.installDir);
        ProgramDir program("lang case");
        program.WriteIni("[Settings]\r\nLanguage=" + std::to_string(c.language) + "\r\n");
        Bkfr app(program);
        ASSERT_TRUE(app.WaitForWindow());
        ASSERT_TRUE(WaitUntil([&] { return !app.ControlText(IDC_UPTIME_LINE).empty(); }));
        if (!c.exitText.empty()) {
            EXPECT_EQ(c.exitText, app.ControlText(IDOK));
        }
        // The Settings dialog copes with the same file.
        app.Command(ID_FILE_SETTINGS);
        HWND settings = app.WaitForDialog();
        ASSERT_NE(nullptr, settings);
        ClickButton(settings, IDCANCEL);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(settings); }));
        app.Command(ID_FILE_EXIT);
        EXPECT_TRUE(app.WaitForExit());
    }
    ClearLanguageDir();
}

TEST(BadInput, LauncherWithOverLongArguments)
{
    ProgramDir dir("long args");
    for (std::size_t length : {127u, 128u, 5000u}) {
        SCOPED_TRACE(length);
        const std::string argument = "/url:https://a.example/" + std::string(length - 23, 'p');
        // 127 characters are opened (the shell may say nothing); more are
        // refused with the warning box.
        const LauncherRun run = RunLauncher(dir, " " + argument);
        EXPECT_EQ(0u, run.exitCode);
        EXPECT_EQ(length > 127 ? "Argument not recognized!" : "", run.text);
    }
}

TEST(BadInput, ProgramFolderWithAVeryLongPath)
{
    ClearLanguageDir();
    // The program's own path: 252 characters (its settings file still fits
    // a path) and 258 (its path is cut at the 255-character buffer).
    for (std::size_t length : {252u, 258u}) {
        SCOPED_TRACE(length);
        const std::string root = ScratchDir() + "deep";
        std::string deep = root;
        std::vector<std::string> made;
        ::CreateDirectoryA(deep.c_str(), nullptr);
        made.push_back(deep);
        while (deep.size() + std::string("\\bkfr.exe").size() < length) {
            // A folder takes its backslash and at least one letter: never
            // leave room for only one character more.
            const std::size_t room = length - std::string("\\bkfr.exe").size() - deep.size() - 1;
            std::size_t letters = std::min<std::size_t>(20, room);
            if (room - letters == 1)
                --letters;
            deep += "\\" + std::string(std::max<std::size_t>(letters, 1), 'd');
            ::CreateDirectoryA(deep.c_str(), nullptr);
            made.push_back(deep);
        }
        const std::string exe = deep + "\\bkfr.exe";
        ASSERT_EQ(length, exe.size());
        ASSERT_TRUE(::CopyFileA((BinDir() + "bkfr.exe").c_str(), exe.c_str(), FALSE));
        ASSERT_TRUE(::CopyFileA((BinDir() + "helper.exe").c_str(), (deep + "\\helper.exe").c_str(), FALSE));
        {
            Bkfr app(exe);
            ASSERT_TRUE(app.WaitForWindow());
            ASSERT_TRUE(WaitUntil([&] { return !app.ControlText(IDC_UPTIME_LINE).empty(); }));
            // The launcher's command line would not fit: the warning, and
            // no other program is started.
            app.Command(ID_HELP_README);
            HWND box = nullptr;
            ASSERT_TRUE(WaitUntil([&] { return (box = app.FindMessageBox()) != nullptr; }));
            EXPECT_EQ("Error running extension!", MessageBoxText(box));
            ClickOk(box);
            app.Command(ID_FILE_EXIT);
            ASSERT_TRUE(app.WaitForExit());
        }
        // The settings went to bkfr.ini beside the program when its path
        // fits, and nowhere when it does not; never to a cut name.
        const bool fits = exe.size() <= 255;
        EXPECT_EQ(fits, ::GetFileAttributesA((deep + "\\bkfr.ini").c_str()) != INVALID_FILE_ATTRIBUTES);
        for (const std::string& folder : made) {
            WIN32_FIND_DATAA found;
            HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &found);
            if (find == INVALID_HANDLE_VALUE)
                continue;
            do {
                const std::string name = found.cFileName;
                const bool expected =
                    name == "." || name == ".." || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
                    (folder == deep && (name == "bkfr.exe" || name == "helper.exe" || name == "bkfr.ini"));
                EXPECT_TRUE(expected) << folder << "\\" << name;
            } while (::FindNextFileA(find, &found));
            ::FindClose(find);
        }
        for (const char* name : {"bkfr.exe", "helper.exe", "bkfr.ini"})
            ::DeleteFileA((deep + "\\" + name).c_str());
        for (auto it = made.rbegin(); it != made.rend(); ++it)
            ::RemoveDirectoryA(it->c_str());
    }
}
