// Finding the language directory in the registry and the file, and loading
// the main window's texts from real files.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/MainDialog.h"
#include "i18n/Language.h"
#include "i18n/TextTable.h"
#include "resources/resource.h"
#include "tests/win32/Support.h"
#include "ui/TrayMenu.h"

using namespace win32test;

namespace {

using LanguageTest = MainWindowFixture;

}  // namespace

TEST_F(LanguageTest, DirectoryComesFromTheRegistryWithADefault)
{
    const std::string tooLong(255, 'd');
    const std::string longest(254, 'e');
    const struct {
        const char* value;  // null: no value
        std::string directory;
    } cases[] = {
        {nullptr, "c:\\program files\\BriskletLanguage\\"},
        {"D:\\Languages\\", "D:\\Languages\\"},
        {"", ""},
        {longest.c_str(), longest},
        // With its terminating zero the value does not fit 255 bytes.
        {tooLong.c_str(), "c:\\program files\\BriskletLanguage\\"},
    };
    for (const auto& c : cases) {
        SetLanguageDir(c.value);
        ReadLanguageDir(std::string());
        EXPECT_EQ(c.directory, g_strLanguageDir) << (c.value ? c.value : "(none)");
    }
}

TEST_F(LanguageTest, MainTextsComeFromTheFileWithDefaultsForMissingKeys)
{
    ScratchFolder lang("lang-main");
    lang.Write("language.ini", "[languages]\r\n4=test.ini\r\n");
    const std::string longValue(3000, 'L');
    lang.Write("test.ini",
               "[free_main]\r\nFreeRam_Text=Frei:\r\nCpuUsage_Text=Prozessor\r\nOptimizeBtn_Text=\r\nTotalRam_Text=" +
                   longValue +
                   "\r\n"
                   "[free_file_menu]\r\nFileMenuSettings_Text=\r\n"
                   "[free_global_strings]\r\nChangesSaved_Text=Gespeichert!\r\n");
    SetLanguageDir(lang.Path().c_str());
    CMainDialog dlg;
    RunModal(dlg, [&] {
        EXPECT_EQ("Prozessor", Text(dlg.m_hWnd, IDC_CPU_CAPTION));
        EXPECT_EQ("", Text(dlg.m_hWnd, IDC_OPTIMIZE));  // present but empty
        // KB_Text and MB_Text are missing: their default, "Free".
        EXPECT_EQ(0u, Text(dlg.m_hWnd, IDC_FREERAM_LINE).find("Frei: "));
        EXPECT_EQ(" Free", Text(dlg.m_hWnd, IDC_FREERAM_LINE).substr(Text(dlg.m_hWnd, IDC_FREERAM_LINE).size() - 5));
        EXPECT_EQ(std::string(2047, 'L'), GetText(TextKey::TotalRam));  // cut to the buffer
        EXPECT_EQ("Gespeichert!", GetText(TextKey::ChangesSaved));

        HMENU menu = dlg.GetMenu();
        EXPECT_EQ("", MenuText(menu, ID_FILE_SETTINGS, MF_BYCOMMAND));
        // The File menu keeps its drop-down and its separators.
        HMENU file = ::GetSubMenu(menu, 0);
        ASSERT_NE(nullptr, file);
        EXPECT_EQ(6, ::GetMenuItemCount(file));
    });
}

TEST_F(LanguageTest, EveryShippedLanguageNamesTheMenuBarAndThePopup)
{
    const char* source = std::getenv("BRISKLET_SOURCE");
    ASSERT_NE(nullptr, source) << "the test runner names the repository in BRISKLET_SOURCE";
    const std::string langDir = std::string(source) + "\\lang\\";
    SetLanguageDir(langDir.c_str());
    const struct {
        UINT item;
        UINT flags;
        TextKey key;
    } menuItems[] = {
        {0, MF_BYPOSITION, TextKey::FileMenu},
        {1, MF_BYPOSITION, TextKey::HelpMenu},
        {ID_FILE_OPTIMIZE, MF_BYCOMMAND, TextKey::FileMenuOptimize},
        {ID_FILE_SETTINGS, MF_BYCOMMAND, TextKey::FileMenuSettings},
        {ID_FILE_APPLYCHANGES, MF_BYCOMMAND, TextKey::FileMenuApplyChanges},
        {ID_FILE_EXIT, MF_BYCOMMAND, TextKey::FileMenuExit},
        {ID_HELP_ABOUT, MF_BYCOMMAND, TextKey::HelpMenuAbout},
        {ID_HELP_WEBSITE, MF_BYCOMMAND, TextKey::HelpMenuWebsite},
        {ID_HELP_SENDEMAIL, MF_BYCOMMAND, TextKey::HelpMenuSendEmail},
        {ID_HELP_DOCUMENTATION, MF_BYCOMMAND, TextKey::HelpMenuDocumentation},
        {ID_HELP_README, MF_BYCOMMAND, TextKey::HelpMenuReadme},
    };
    int languages = 0;
    for (int number = 0;; ++number) {
        char name[256] = "";
        ::GetPrivateProfileStringA("languages", std::to_string(number).c_str(), "", name, sizeof name,
                                   (langDir + "language.ini").c_str());
        if (name[0] == '\0')
            break;
        ++languages;
        SCOPED_TRACE(name);
        const std::string file = langDir + name;
        auto expected = [&](TextKey key) {
            const TextRow& row = kMainTexts[static_cast<std::size_t>(key)];
            return LanguageText(file, row.section, row.key);
        };
        WriteIni("Language=" + std::to_string(number) + "\r\n");
        CMainDialog dlg;
        RunModal(dlg, [&] {
            HMENU menu = dlg.GetMenu();
            for (const auto& item : menuItems)
                EXPECT_EQ(expected(item.key), MenuText(menu, item.item, item.flags)) << item.item;
            HMENU popup = CreateTrayMenu();
            EXPECT_EQ(expected(TextKey::PopupOptimizeRam), MenuText(popup, 0, MF_BYPOSITION));
            EXPECT_EQ(expected(TextKey::PopupExitProgram), MenuText(popup, 10, MF_BYPOSITION));
            ::DestroyMenu(popup);
        });
    }
    EXPECT_GE(languages, 6);
}
