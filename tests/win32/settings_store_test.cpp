// bkfr.ini as the main window reads and writes it, in a real file.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/MainDialog.h"
#include "i18n/Language.h"
#include "resources/resource.h"
#include "tests/win32/FakeReadings.h"
#include "tests/win32/Support.h"

using namespace win32test;

namespace {

using SettingsStore = MainWindowFixture;

// The file's lines without blank ones.
std::vector<std::string> Lines(const std::string& content)
{
    std::vector<std::string> lines;
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

bool IsTopmost(HWND hwnd)
{
    return (::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// Stand-ins of ReplaceFileW, failing as Microsoft's page on it documents:
// with a backup name, any error but 1177 leaves both files under their
// names, and 1177 the old file under the backup name. holdBackup: a virus
// scanner opens the backup at once, without delete sharing, so that
// moving it back fails as it would on Windows.
CHandle g_backupHolder;

template <DWORD error, bool holdBackup = false>
BOOL WINAPI FailingReplace(LPCWSTR replaced, LPCWSTR, LPCWSTR backup, DWORD, LPVOID, LPVOID)
{
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 && ::MoveFileExW(replaced, backup, MOVEFILE_REPLACE_EXISTING) &&
        holdBackup)
        g_backupHolder.Reset(::CreateFileW(backup, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ::SetLastError(error);
    return FALSE;
}

}  // namespace

TEST_F(SettingsStore, AFirstStartWritesEveryValueFromScratch)
{
    // A machine of 1 GB: a third and a thirty-second of it.
    const FakeReadings readings;
    CMainDialog dlg(false, &readings);
    RunModal(dlg, [&] {});
    const std::vector<std::string> expected = {
        "[Settings]",  "Language=4",    "MemToFree=341",           "TriggerLevel=32",
        "StayOnTop=1", "SysTrayIcon=0", "UseIncrementalRelease=0", "Left=0",
        "Top=0",
    };
    EXPECT_EQ(expected, Lines(ReadFile(IniPath())));
}

TEST_F(SettingsStore, AReachablePositionOpensAndIsSavedAsStoredNegativeEdgesWithASign)
{
    // Beyond the screen's top-left edges, with the caption still to be
    // grabbed: the window opens there and does not move.
    WriteIni("Left=-12\r\nTop=-12\r\nStayOnTop=0\r\nTriggerLevel=0\r\n");
    CMainDialog dlg;
    RunModal(dlg, [&] {
        RECT rect;
        dlg.GetWindowRect(&rect);
        EXPECT_EQ(-12, rect.left);
        EXPECT_EQ(-12, rect.top);
        EXPECT_FALSE(IsTopmost(dlg.m_hWnd));
    });
    EXPECT_NE(std::string::npos, ReadFile(IniPath()).find("Left=-12"));
    EXPECT_NE(std::string::npos, ReadFile(IniPath()).find("Top=-12"));
    // A trigger level of 0 (automatic start off) stays 0.
    EXPECT_EQ(0, static_cast<int>(::GetPrivateProfileIntA("Settings", "TriggerLevel", 99, IniPath().c_str())));
    EXPECT_NE(std::string::npos, ReadFile(IniPath()).find("StayOnTop=0"));
}

TEST_F(SettingsStore, FlagsAreWrittenAsOneOrZero)
{
    WriteIni("StayOnTop=5\r\nUseIncrementalRelease=-3\r\n");
    CMainDialog dlg;
    RunModal(dlg, [&] {});
    EXPECT_NE(std::string::npos, ReadFile(IniPath()).find("StayOnTop=1"));
    EXPECT_NE(std::string::npos, ReadFile(IniPath()).find("UseIncrementalRelease=1"));
}

TEST_F(SettingsStore, AFileHeldOpenByAnotherProgramKeepsEveryValueTheUserDidNotChange)
{
    WriteIni("Language=2\r\nMemToFree=77\r\nTriggerLevel=0\r\nStayOnTop=0\r\nLeft=40\r\nTop=30\r\n");
    // An editor or a backup tool holds the file without sharing while the
    // program starts.
    HANDLE held = ::CreateFileA(IniPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    CMainDialog dlg;
    RunModal(dlg, [&] {
        // Nothing could be read: the default layer, topmost.
        EXPECT_TRUE(IsTopmost(dlg.m_hWnd));
        ::CloseHandle(held);
        // The one change of this run, made in the Settings dialog.
        WhenReady([&] { return FindThreadDialog(dlg.m_hWnd) != nullptr; },
                  [&] {
                      const HWND settings = FindThreadDialog(dlg.m_hWnd);
                      ::SendDlgItemMessageA(settings, IDC_INCREMENTAL, BM_SETCHECK, BST_CHECKED, 0);
                      ::SendMessageA(::GetDlgItem(settings, IDOK), BM_CLICK, 0, 0);
                  });
        dlg.SendMessage(WM_COMMAND, ID_FILE_SETTINGS, 0);
    });
    const std::vector<std::string> expected = {
        "[Settings]",  "Language=2", "MemToFree=77", "TriggerLevel=0",
        "StayOnTop=0", "Left=40",    "Top=30",       "UseIncrementalRelease=1",
    };
    EXPECT_EQ(expected, Lines(ReadFile(IniPath())));
}

TEST_F(SettingsStore, ApplyChangesSaysSoWhenTheFileCannotBeWritten)
{
    // Wine writes read-only files as root; a folder in the file's place
    // cannot be written by anyone.
    ::CreateDirectoryA(IniPath().c_str(), nullptr);
    std::string text;
    WhenReady([] { return FindThreadDialog(nullptr) != nullptr && ::GetDlgItem(FindThreadDialog(nullptr), 0xFFFF); },
              [&] {
                  HWND box = FindThreadDialog(nullptr);
                  text = Text(box, 0xFFFF);
                  ::SendMessageA(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
              });
    CMainDialog dlg;
    RunModal(dlg, [&] { dlg.SendMessage(WM_COMMAND, ID_FILE_APPLYCHANGES, 0); });
    ::RemoveDirectoryA(IniPath().c_str());
    EXPECT_EQ("The settings could not be saved to this file:\n\n" + IniPath(), text);
}

TEST_F(SettingsStore, AFailedReplaceLeavesTheNewValuesOrTheOldOnesNeverTheDefaults)
{
    const struct {
        ReplaceFileFn replace;
        bool saved;
    } cases[] = {
        {FailingReplace<ERROR_SHARING_VIOLATION>, true},
        {FailingReplace<ERROR_UNABLE_TO_MOVE_REPLACEMENT>, true},
        {FailingReplace<ERROR_UNABLE_TO_MOVE_REPLACEMENT_2>, true},
        {FailingReplace<ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, true>, false},
    };
    const ScratchFolder folder("replace");
    const std::string ini = folder.Path() + "bkfr.ini";
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        folder.Write("bkfr.ini", "; mine\r\n[Settings]\r\nMemToFree=77\r\n");
        CSettingsStore store(c.replace), next;
        store.SetPath(ini);
        next.SetPath(ini);
        SettingsValues values = store.LoadSettings(1u << 30);
        values.m_nMemToFree = 88;
        // False is what shows the failed-save box.
        EXPECT_EQ(c.saved, store.SaveSettings(values));
        g_backupHolder.Reset();
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((ini + ".new").c_str()));
        // The next start, which finds the user's own file under its name.
        EXPECT_EQ(c.saved ? 88 : 77, next.LoadSettings(1u << 30).m_nMemToFree);
        EXPECT_EQ(0u, ReadFile(ini).find(std::string("; mine\r\n[Settings]\r\nMemToFree=") + (c.saved ? "88" : "77")));
    }
}
