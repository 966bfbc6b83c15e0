// Starting the program: one copy a session, whatever other windows say, and
// a program folder of any characters.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/e2e/Driver.h"

using namespace e2e;

TEST(Start, AWindowOfAnotherProgramWithTheSameCaptionDoesNotStopIt)
{
    ClearLanguageDir();
    // As an Explorer window on the program's folder would be captioned.
    HWND other = ::CreateWindowExW(0, L"STATIC", L"Brisklet Free", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                                   nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, other);
    ProgramDir dir;
    Bkfr app(dir);
    EXPECT_TRUE(app.WaitForWindow());
    ::DestroyWindow(other);
}

TEST(Start, TwoCopiesStartedAtOnceLeaveOne)
{
    ClearLanguageDir();
    ProgramDir dir;
    // A race: a few rounds, so that a lost one shows.
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        Bkfr first(dir);
        Bkfr second(dir);
        ASSERT_TRUE(WaitUntil([&] { return !first.Running() || !second.Running(); }, 15000));
        Bkfr& kept = first.Running() ? first : second;
        EXPECT_TRUE(kept.WaitForWindow());
        ::Sleep(300);
        EXPECT_NE(first.Running(), second.Running()) << "both copies run";
        kept.Command(ID_FILE_EXIT);
        EXPECT_TRUE(kept.WaitForExit());
    }
}

TEST(Start, AProgramFolderOutsideTheAnsiCodePageWorks)
{
    // Russian and Japanese letters: outside the code page of every system,
    // so their ANSI path would hold question marks.
    const std::string langDir = ScratchDir() + "\xD1\x8F\xD0\xB7\xD1\x8B\xD0\xBA \xE8\xA8\x80\xE8\xAA\x9E\\";
    RemoveTree(langDir);
    ASSERT_TRUE(::CreateDirectoryW(Wide(langDir).c_str(), nullptr));
    for (const char* name : {"language.ini", "german.ini"})
        ASSERT_TRUE(::CopyFileW(Wide(SourceDir() + "lang\\" + name).c_str(), Wide(langDir + name).c_str(), FALSE));
    SetLanguageDir(langDir);
    {
        ProgramDir dir("\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0 \xE3\x83\x84\xE3\x83\xBC\xE3\x83\xAB");
        dir.WriteIni("[Settings]\r\nLanguage=0\r\nMemToFree=33\r\n");
        Bkfr app(dir);
        ASSERT_TRUE(app.WaitForWindow());
        // The language file was found and read (German: Beenden).
        EXPECT_EQ(LanguageText(SourceDir() + "lang\\german.ini", "free_main", "ExitBtn_Text"), app.ControlText(IDOK));
        // The launcher starts: no warning that it could not.
        app.Command(ID_HELP_README);
        EXPECT_FALSE(WaitUntil([&] { return app.FindMessageBox() != nullptr; }, 2000));
        app.Command(ID_FILE_EXIT);
        ASSERT_TRUE(app.WaitForExit());
        // The settings were read from and written to the file beside it.
        EXPECT_EQ("33", dir.IniValue("MemToFree"));
        EXPECT_EQ("0", dir.IniValue("Language"));
        EXPECT_NE("<missing>", dir.IniValue("Left"));
    }
    ClearLanguageDir();
    RemoveTree(langDir);
}

TEST(Start, ANameHeldWithoutAnAnsweringWindowIsSaidInABox)
{
    ClearLanguageDir();
    ProgramDir dir;
    // Another process holds the one-copy mutex without showing a window, or
    // holds the name as another kind of object.
    for (bool mutex : {true, false}) {
        SCOPED_TRACE(mutex ? "mutex" : "event");
        const wchar_t name[] = L"Local\\Brisklet Free main window";
        HANDLE held = mutex ? ::CreateMutexW(nullptr, FALSE, name) : ::CreateEventW(nullptr, TRUE, FALSE, name);
        ASSERT_NE(nullptr, held);
        Bkfr app(dir);
        HWND box = nullptr;
        EXPECT_TRUE(WaitUntil([&] { return (box = app.FindMessageBox()) != nullptr; }, 20000));
        if (box != nullptr) {
            EXPECT_EQ("Brisklet Free", WindowText(box));
            EXPECT_NE(std::string::npos, MessageBoxText(box).find("does not answer"));
            ClickOk(box);
        }
        EXPECT_TRUE(app.WaitForExit());
        EXPECT_EQ(1u, app.ExitCode());
        ::CloseHandle(held);
    }
}
