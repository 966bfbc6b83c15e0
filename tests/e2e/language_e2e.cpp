// The language files seen from outside: Apply Changes in the chosen
// language, and the portable layout without a registry value.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/e2e/Driver.h"

using namespace e2e;

TEST(Languages, ApplyChangesSavesAndConfirmsInTheCurrentLanguage)
{
    const std::string langDir = SourceDir() + "lang\\";
    SetLanguageDir(langDir);
    const std::string german = langDir + LanguageText(langDir + "language.ini", "languages", "0");
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
    EXPECT_EQ(LanguageText(german, "free_global_strings", "ChangesSaved_Text"), MessageBoxText(box));
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
        EXPECT_EQ(LanguageText(SourceDir() + "lang\\german.ini", "free_main", "ExitBtn_Text"), app.ControlText(IDOK));
        app.Command(ID_FILE_EXIT);
        EXPECT_TRUE(app.WaitForExit());
    }
}
