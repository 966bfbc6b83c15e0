// The Help commands, the launcher and the About box seen from outside.
#include <gtest/gtest.h>

#include "tests/e2e/Driver.h"

#include <algorithm>
#include <vector>

#include "resources/resource.h"
#include "ui/TrayIcon.h"

using namespace e2e;

namespace {

// Registers the recorder as the handler of web and mail addresses and of
// .htm and .txt files, for the life of this object.
class RecordingHandlers {
public:
    RecordingHandlers()
    {
        const std::string command = "\"" + BinDir() + "recorder.exe\" \"%1\"";
        for (const char* cls : {"https", "mailto", "htmlfile", "txtfile"})
            Set(std::string(cls) + "\\shell\\open\\command", "", command);
        Set("https", "URL Protocol", "");
        Set("mailto", "URL Protocol", "");
        Set(".htm", "", "htmlfile");
        Set(".txt", "", "txtfile");
        ::DeleteFileA(LogPath().c_str());
    }
    ~RecordingHandlers()
    {
        // The prefix's own handlers come back, and keys made here go.
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            HKEY hkey = nullptr;
            if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, it->key.c_str(), 0, KEY_ALL_ACCESS | it->view, &hkey) !=
                ERROR_SUCCESS)
                continue;
            if (it->existed)
                ::RegSetValueExA(hkey, it->name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(it->value.c_str()),
                                 static_cast<DWORD>(it->value.size() + 1));
            else
                ::RegDeleteValueA(hkey, it->name.c_str());
            ::RegCloseKey(hkey);
        }
        for (auto it = m_createdKeys.rbegin(); it != m_createdKeys.rend(); ++it)
            ::RegDeleteKeyExA(HKEY_CLASSES_ROOT, it->first.c_str(), it->second, 0);
    }

    static std::string LogPath() { return ScratchDir() + "opened.log"; }

    // The targets opened so far, without their quotes.
    static std::vector<std::string> Opened()
    {
        std::vector<std::string> lines;
        const std::string content = ReadWholeFile(LogPath());
        std::size_t start = 0;
        for (std::size_t end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2) {
            std::string line = content.substr(start, end - start);
            line.erase(std::remove(line.begin(), line.end(), '"'), line.end());
            lines.push_back(line);
        }
        return lines;
    }

private:
    struct Saved {
        std::string key;
        REGSAM view;
        std::string name;
        bool existed;
        std::string value;
    };

    void Set(const std::string& key, const char* name, const std::string& value)
    {
        for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
            // Remembers each key of the path that does not exist yet.
            for (std::size_t end = key.find('\\');; end = key.find('\\', end + 1)) {
                const std::string part = key.substr(0, end);
                HKEY probe = nullptr;
                if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, part.c_str(), 0, KEY_READ | view, &probe) == ERROR_SUCCESS)
                    ::RegCloseKey(probe);
                else
                    m_createdKeys.emplace_back(part, view);
                if (end == std::string::npos)
                    break;
            }
            HKEY hkey = nullptr;
            if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &hkey,
                                  nullptr) != ERROR_SUCCESS)
                continue;
            char old[1024] = "";
            DWORD size = sizeof old - 1;
            const bool existed =
                ::RegQueryValueExA(hkey, name, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS;
            m_saved.push_back({key, view, name, existed, old});
            ::RegSetValueExA(hkey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1));
            ::RegCloseKey(hkey);
        }
    }

    std::vector<std::pair<std::string, REGSAM>> m_createdKeys;
    std::vector<Saved> m_saved;
};

bool SameText(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// A program folder with the documents beside the programs, as shipped.
void CopyDocuments(const ProgramDir& dir)
{
    for (const char* name : {"bkfr.htm", "readme.txt"})
        ::CopyFileA((SourceDir() + "docs\\" + name).c_str(), dir.File(name).c_str(), FALSE);
}

struct HelpCase {
    const char* name;
    UINT command;
    const char* target;  // null: the file beside the program
    const char* file;
};

const HelpCase kHelpCases[] = {
    {"Website", ID_HELP_WEBSITE, "https://www.brisklet.example/free/", nullptr},
    {"SendEmail", ID_HELP_SENDEMAIL, "mailto:support@brisklet.example", nullptr},
    {"Documentation", ID_HELP_DOCUMENTATION, nullptr, "bkfr.htm"},
    {"Readme", ID_HELP_README, nullptr, "readme.txt"},
};

class HelpCommands : public ::testing::TestWithParam<HelpCase> {
protected:
    void SetUp() override { ClearLanguageDir(); }
    RecordingHandlers handlers;
};

std::string Expected(const HelpCase& c, const ProgramDir& dir)
{
    return c.target != nullptr ? c.target : dir.File(c.file);
}

}  // namespace

TEST_P(HelpCommands, FromTheMenuBarOpenTheirTargetsThroughTheLauncher)
{
    const HelpCase& c = GetParam();
    ProgramDir dir("help dir");  // a blank in the path, on purpose
    CopyDocuments(dir);
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    app.Command(c.command);
    ASSERT_TRUE(WaitUntil([] { return !RecordingHandlers::Opened().empty(); }, 15000));
    const std::vector<std::string> opened = RecordingHandlers::Opened();
    ASSERT_EQ(1u, opened.size());
    EXPECT_TRUE(SameText(Expected(c, dir), opened[0])) << opened[0];
    EXPECT_EQ(nullptr, app.FindMessageBox());
}

TEST(HelpFromTheTray, APopupChoiceReachesTheLauncherWhileTheWindowIsHidden)
{
    // The popup sends the menu bar's commands, each tried above; one of them
    // shows that a choice in it arrives.
    ClearLanguageDir();
    RecordingHandlers handlers;
    ProgramDir dir("tray help");
    CopyDocuments(dir);
    dir.WriteIni("[Settings]\r\nSysTrayIcon=1\r\n");
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    ASSERT_TRUE(app.Minimize());
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(app.Window()); }));
    app.Post(WM_TRAY_NOTIFY, 1, WM_RBUTTONUP);
    ASSERT_TRUE(WaitUntil([] { return ::FindWindowA("#32768", nullptr) != nullptr; }));
    for (int i = 0; i < 7; ++i)  // Readme
        app.PressKey(VK_DOWN);
    app.PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([] { return !RecordingHandlers::Opened().empty(); }, 15000));
    EXPECT_TRUE(SameText(dir.File("readme.txt"), RecordingHandlers::Opened()[0])) << RecordingHandlers::Opened()[0];
    EXPECT_FALSE(::IsWindowVisible(app.Window()));
}

TEST_P(HelpCommands, WithoutTheLauncherWarnInTheCurrentLanguage)
{
    const std::string langDir = SourceDir() + "lang\\";
    SetLanguageDir(langDir);
    char file[256] = "";
    ::GetPrivateProfileStringA("languages", "0", "", file, sizeof file, (langDir + "language.ini").c_str());
    const std::string warning = LanguageText(langDir + file, "free_global_strings", "ErrorRunningExtension_Text");
    ProgramDir dir("no helper", false);
    dir.WriteIni("[Settings]\r\nLanguage=0\r\n");
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    for (int time = 0; time < 2; ++time) {  // and may be chosen again
        app.Command(GetParam().command);
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (box = app.FindMessageBox()) != nullptr; }));
        EXPECT_EQ(warning, MessageBoxText(box));
        EXPECT_EQ("Brisklet Free", WindowText(box));
        ClickOk(box);
        ASSERT_TRUE(WaitUntil([&] { return app.FindMessageBox() == nullptr; }));
    }
    EXPECT_TRUE(RecordingHandlers::Opened().empty());
    ClearLanguageDir();
}

INSTANTIATE_TEST_SUITE_P(Help, HelpCommands, ::testing::ValuesIn(kHelpCases),
                         [](const ::testing::TestParamInfo<HelpCase>& info) { return std::string(info.param.name); });

TEST(Launcher, ShowsItsBoxWithoutAnArgumentAndOpensTheFileBesideIt)
{
    RecordingHandlers handlers;
    ProgramDir dir("launcher dir");
    CopyDocuments(dir);
    const std::string info = "Brisklet Free Helper Engine.";
    const struct {
        const char* name;
        std::string arguments;
        std::string text;
        std::string opened;  // empty: nothing
    } cases[] = {
        {"no argument", "", info, ""},
        {"only blanks", " \t  ", info, ""},
        // Started from the scratch folder: the file is still the one beside it.
        {"file", " /file:readme.txt", "", dir.File("readme.txt")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ::DeleteFileA(RecordingHandlers::LogPath().c_str());
        const LauncherRun run = RunLauncher(dir, c.arguments);
        EXPECT_EQ(0u, run.exitCode);
        EXPECT_EQ(c.text, run.text);
        if (!c.text.empty()) {
            EXPECT_EQ("Helper", run.caption);
        }
        if (!c.opened.empty()) {
            ASSERT_TRUE(WaitUntil([] { return !RecordingHandlers::Opened().empty(); }));
            EXPECT_TRUE(SameText(c.opened, RecordingHandlers::Opened()[0])) << RecordingHandlers::Opened()[0];
        }
    }
}

TEST(Launcher, RefusesWhatItIsNotFor)
{
    // Which arguments are refused is the unit tests' table; here, that a
    // refused one reaches the box and starts nothing.
    RecordingHandlers handlers;
    ProgramDir dir("refusing launcher");
    CopyDocuments(dir);
    const std::wstring cases[] = {
        // A program: the recorder itself, so that a run of it is seen.
        L" /url:" + Wide(BinDir() + "recorder.exe"),
        // A lone half of a surrogate pair, which the system would replace.
        L" /url:https://a.example/\xD800",
    };
    for (const std::wstring& arguments : cases) {
        SCOPED_TRACE(arguments);
        const LauncherRun run = RunLauncher(Wide(dir.File("helper.exe")), arguments);
        EXPECT_EQ(0u, run.exitCode);
        EXPECT_EQ("Argument not recognized!", run.text);
        EXPECT_EQ("Helper", run.caption);
    }
    // Then one it is for: once that has arrived, any of the above would have.
    RunLauncher(dir, " /file:readme.txt");
    ASSERT_TRUE(WaitUntil([] { return !RecordingHandlers::Opened().empty(); }));
    const std::vector<std::string> opened = RecordingHandlers::Opened();
    ASSERT_EQ(1u, opened.size()) << opened.back();
    EXPECT_TRUE(SameText(dir.File("readme.txt"), opened[0])) << opened[0];
}

TEST(Launcher, OpensFilesBesideItInAFolderOutsideTheAnsiCodePage)
{
    RecordingHandlers handlers;
    const std::wstring dir = Wide(ScratchDir()) + L"Анна ツール\\";
    ASSERT_TRUE(::CreateDirectoryW(dir.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(::CopyFileW(Wide(BinDir() + "helper.exe").c_str(), (dir + L"helper.exe").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileW(Wide(SourceDir() + "docs\\readme.txt").c_str(), (dir + L"readme.txt").c_str(), FALSE));
    const LauncherRun run = RunLauncher(dir + L"helper.exe", L" /file:readme.txt");
    EXPECT_EQ("", run.text);
    ASSERT_TRUE(WaitUntil([] { return !RecordingHandlers::Opened().empty(); }));
    const std::wstring opened = Wide(RecordingHandlers::Opened()[0]);
    EXPECT_EQ(0, lstrcmpiW((dir + L"readme.txt").c_str(), opened.c_str())) << RecordingHandlers::Opened()[0];
    for (const wchar_t* name : {L"helper.exe", L"readme.txt"})
        ::DeleteFileW((dir + name).c_str());
    ::RemoveDirectoryW(dir.c_str());
}

TEST(About, ShowsItsFixedTextsWithTheFocusOnOkEveryTime)
{
    const std::string langDir = SourceDir() + "lang\\";
    SetLanguageDir(langDir);
    ProgramDir dir;
    dir.WriteIni("[Settings]\r\nLanguage=0\r\nSysTrayIcon=1\r\n");  // a language changes nothing here
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());
    for (int time = 0; time < 2; ++time) {
        if (time == 1) {
            // From the tray while the window is hidden: it stays hidden.
            ASSERT_TRUE(app.Minimize());
            ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(app.Window()); }));
        }
        app.Command(ID_HELP_ABOUT);
        HWND about = app.WaitForDialog([](HWND hwnd) { return WindowText(hwnd) == "About"; });
        ASSERT_NE(nullptr, about);
        EXPECT_EQ(
            "Brisklet for Win9x/ME/NT/2000/XP is provided as is. The author disclaims all warranties, "
            "expressed or implied, including, without limitation, the warranties of merchantability and of "
            "fitness for any purpose. The author assumes no liability for damages, direct or consequential, "
            "which may result from the use of Brisklet.",
            WindowText(::GetDlgItem(about, IDC_ABOUT_DISCLAIMER)));
        EXPECT_EQ("Version 2.5", WindowText(::GetDlgItem(about, IDC_ABOUT_VERSION)));
        EXPECT_EQ(0u, WindowText(::GetDlgItem(about, IDC_ABOUT_NOTICE)).find("Brisklet Free "));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(about, IDC_ABOUT_NOTICE)));
        EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(about, IDC_ABOUT_DISCLAIMER), GWL_STYLE) & ES_READONLY);
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        ASSERT_TRUE(::GetGUIThreadInfo(::GetWindowThreadProcessId(about, nullptr), &gui));
        EXPECT_EQ(::GetDlgItem(about, IDOK), gui.hwndFocus);
        EXPECT_EQ(time == 0, ::IsWindowVisible(app.Window()) != FALSE);
        app.PressKey(VK_ESCAPE);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
    }
    EXPECT_FALSE(::IsWindowVisible(app.Window()));
    ClearLanguageDir();
}
