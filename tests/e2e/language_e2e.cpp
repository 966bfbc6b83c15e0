// Every shipped language, chosen through bkfr.ini, seen on the real window.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/e2e/Driver.h"

using namespace e2e;

namespace {

std::string Read(const std::string& file, const char* section, const char* key)
{
    return LanguageText(file, section, key);
}

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

TEST(Languages, EveryShippedLanguageShowsItsTexts)
{
    const std::string langDir = SourceDir() + "lang\\";
    SetLanguageDir(langDir);
    int languages = 0;
    for (int number = 0;; ++number) {
        const std::string name = Read(langDir + "language.ini", "languages", std::to_string(number).c_str());
        if (name == "<missing>")
            break;
        ++languages;
        SCOPED_TRACE(name);
        const std::string file = langDir + name;
        ProgramDir dir("lang");
        dir.WriteIni("[Settings]\r\nLanguage=" + std::to_string(number) + "\r\n");
        Bkfr app(dir);
        ASSERT_TRUE(app.WaitForWindow());
        ASSERT_TRUE(WaitUntil([&] { return !app.ControlText(IDC_UPTIME_LINE).empty(); }));

        EXPECT_EQ(Read(file, "free_main", "OptimizeBtn_Text"), app.ControlText(IDC_OPTIMIZE));
        EXPECT_EQ(Read(file, "free_main", "ExitBtn_Text"), app.ControlText(IDOK));
        EXPECT_EQ(Read(file, "free_main", "CpuUsage_Text"), app.ControlText(IDC_CPU_CAPTION));
        EXPECT_EQ(Read(file, "free_main", "MemoryLoad_Text"), app.ControlText(IDC_MEMORYLOAD_CAPTION));

        const std::string kb = Read(file, "free_global_strings", "KB_Text");
        const std::string mb = Read(file, "free_global_strings", "MB_Text");
        const std::string freeLine = app.ControlText(IDC_FREERAM_LINE);
        EXPECT_TRUE(StartsWith(freeLine, Read(file, "free_main", "FreeRam_Text") + " ")) << freeLine;
        EXPECT_EQ(" " + kb, freeLine.substr(freeLine.size() - kb.size() - 1)) << freeLine;
        const std::string totalLine = app.ControlText(IDC_TOTALRAM_LINE);
        EXPECT_TRUE(StartsWith(totalLine, Read(file, "free_main", "TotalRam_Text") + " ")) << totalLine;
        EXPECT_EQ(" " + mb, totalLine.substr(totalLine.size() - mb.size() - 1)) << totalLine;
        const std::string pageLine = app.ControlText(IDC_PAGEFILE_LINE);
        EXPECT_TRUE(StartsWith(pageLine, Read(file, "free_main", "SwapFile_Text") + " ")) << pageLine;
        EXPECT_NE(std::string::npos, pageLine.find(" " + mb + " / ")) << pageLine;
        EXPECT_TRUE(StartsWith(app.ControlText(IDC_UPTIME_LINE), Read(file, "free_main", "Uptime_Text") + " "));

        app.Command(ID_FILE_EXIT);
        EXPECT_TRUE(app.WaitForExit());
        EXPECT_EQ(std::to_string(number), dir.IniValue("Language"));
    }
    EXPECT_GE(languages, 6);
    ClearLanguageDir();
}

TEST(Languages, ApplyChangesSavesAndConfirmsInTheCurrentLanguage)
{
    const std::string langDir = SourceDir() + "lang\\";
    SetLanguageDir(langDir);
    const std::string german = langDir + Read(langDir + "language.ini", "languages", "0");
    ProgramDir dir("apply");
    dir.WriteIni("[Settings]\r\nLanguage=0\r\n");
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    ::SetWindowPos(app.Window(), nullptr, 60, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitUntil([&] {
        RECT rect;
        ::GetWindowRect(app.Window(), &rect);
        return rect.left == 60 && rect.top == 45;
    }));
    app.Command(ID_FILE_APPLYCHANGES);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = app.FindMessageBox()) != nullptr; }));
    EXPECT_EQ(Read(german, "free_global_strings", "ChangesSaved_Text"), MessageBoxText(box));
    EXPECT_EQ("Brisklet Free", WindowText(box));
    EXPECT_EQ("60", dir.IniValue("Left"));
    EXPECT_EQ("45", dir.IniValue("Top"));
    ClickOk(box);
    EXPECT_TRUE(WaitUntil([&] { return app.FindMessageBox() == nullptr; }));
    ClearLanguageDir();
}

TEST(Languages, ThePortableZipFindsItsOwnLanguageFolder)
{
    // As the zip unpacks: lang\ beside the programs, and the 64-bit ones in
    // x64\ one folder down; no setup program ever ran.
    ClearLanguageDir();
    for (const char* sub : {"", "x64\\"}) {
        SCOPED_TRACE(*sub ? sub : "top");
        ProgramDir zip("portable");
        ::CreateDirectoryW(Wide(zip.Path() + "lang").c_str(), nullptr);
        for (const char* name : {"language.ini", "german.ini"})
            ASSERT_TRUE(::CopyFileW(Wide(SourceDir() + "lang\\" + name).c_str(),
                                    Wide(zip.Path() + "lang\\" + name).c_str(), FALSE));
        const std::string programDir = zip.Path() + sub;
        ::CreateDirectoryW(Wide(programDir).c_str(), nullptr);
        ::CopyFileW(Wide(BinDir() + "bkfr.exe").c_str(), Wide(programDir + "bkfr.exe").c_str(), FALSE);
        ::WritePrivateProfileStringA("Settings", "Language", "0", (programDir + "bkfr.ini").c_str());
        Bkfr app(programDir + "bkfr.exe");
        ASSERT_TRUE(app.WaitForWindow());
        EXPECT_EQ(Read(SourceDir() + "lang\\german.ini", "free_main", "ExitBtn_Text"), app.ControlText(IDOK));
        app.Command(ID_FILE_EXIT);
        EXPECT_TRUE(app.WaitForExit());
    }
}
