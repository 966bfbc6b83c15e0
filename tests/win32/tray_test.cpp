// The tray icon in-process: its record and tips, the popup menu, hiding on
// minimize and the notifications.
#include <gtest/gtest.h>

#include "app/MainDialog.h"
#include "framework/Text.h"
#include "i18n/TextTable.h"
#include "resources/resource.h"
#include "tests/win32/Support.h"
#include "ui/TrayIcon.h"
#include "ui/TrayMenu.h"

#include <functional>

using namespace win32test;

namespace {

using TrayTest = MainWindowFixture;

}  // namespace

TEST_F(TrayTest, AddedAtStartWithTheRecordOfTheFirstFormAndALiveTip)
{
    WriteIni("SysTrayIcon=1\r\n");
    CMainDialog dlg;
    RunModal(dlg, [&] {
        ASSERT_TRUE(dlg.m_tray.IsPresent());
        const NotifyIconRecordW& nid = dlg.m_tray.Record();
        EXPECT_EQ(NOTIFYICONDATAW_V1_SIZE, nid.cbSize);
        EXPECT_EQ(dlg.m_hWnd, nid.hWnd);
        EXPECT_EQ(1u, nid.uID);
        EXPECT_EQ(static_cast<UINT>(WM_TRAY_NOTIFY), nid.uCallbackMessage);
        // The refresh that ended start-up replaced the first tip.
        EXPECT_EQ(static_cast<UINT>(NIF_ICON | NIF_TIP), nid.uFlags);
        EXPECT_EQ(dlg.GetIcon(FALSE), nid.hIcon);
        const std::string tip = Narrow(nid.szTip);
        EXPECT_EQ(0u, tip.find("Brisklet Free - ")) << tip;
        EXPECT_EQ(" Free Free", tip.substr(tip.size() - 10)) << tip;

        // A fresh add gives the first tip: label, plain kilobytes, unit.
        dlg.m_tray.RemoveTrayIcon();
        EXPECT_FALSE(dlg.m_tray.IsPresent());
        SetText(TextKey::FreeRam, "Free Ram:");
        SetText(TextKey::KB, "KB");
        CMemoryStatus ms;
        ms.Refresh();
        ASSERT_TRUE(dlg.AddTrayIcon(ms));
        EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP), nid.uFlags);
        EXPECT_EQ(0u, Narrow(nid.szTip).find("Brisklet Free - Free Ram: ")) << Narrow(nid.szTip);
        EXPECT_EQ(std::string::npos, Narrow(nid.szTip).find(',')) << Narrow(nid.szTip);

        // Long texts are cut to what the tip field holds.
        SetText(TextKey::KB, std::string(100, 'k'));
        dlg.RefreshStatistics(ms);
        EXPECT_EQ(63u, std::wstring(nid.szTip).size());
    });
}

TEST_F(TrayTest, WithTheIconMinimizingHidesTheWindowAndADoubleClickBringsItBack)
{
    WriteIni("SysTrayIcon=1\r\n");
    CMainDialog dlg;
    RunModal(dlg, [&] {
        ASSERT_TRUE(dlg.m_tray.IsPresent());
        dlg.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        PumpMessages();
        EXPECT_FALSE(::IsWindowVisible(dlg.m_hWnd));

        // Mouse moves, single clicks and a right press change nothing.
        for (LPARAM event : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN})
            EXPECT_EQ(0, dlg.SendMessage(WM_TRAY_NOTIFY, 1, event));
        EXPECT_FALSE(::IsWindowVisible(dlg.m_hWnd));

        EXPECT_EQ(0, dlg.SendMessage(WM_TRAY_NOTIFY, 1, WM_LBUTTONDBLCLK));
        PumpMessages();
        EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
        EXPECT_FALSE(dlg.IsIconic());
    });
}

TEST_F(TrayTest, WithoutTheIconMinimizingKeepsTheTaskbarWindow)
{
    CMainDialog dlg;
    RunModal(dlg, [&] {
        EXPECT_FALSE(dlg.m_tray.IsPresent());
        dlg.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        PumpMessages();
        EXPECT_TRUE(dlg.IsIconic());
        EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
    });
}

TEST_F(TrayTest, PopupMenuHasElevenPositionsWithTheCurrentTexts)
{
    ScratchFolder lang("lang-tray");
    lang.Write("language.ini", "[languages]\r\n4=t.ini\r\n");
    lang.Write("t.ini", "[free_tray_popup]\r\nPopupOptimizeRam_Text=Optimieren\r\nPopupExitProgram_Text=Beenden\r\n");
    SetLanguageDir(lang.Path().c_str());
    CMainDialog dlg;
    RunModal(dlg, [&] {
        HMENU menu = CreateTrayMenu();
        const struct {
            UINT id;  // 0: separator
            const char* text;
        } items[] = {{ID_FILE_OPTIMIZE, "Optimieren"}, {ID_FILE_SETTINGS, "Settings"}, {0, ""},
                     {ID_HELP_WEBSITE, "Website"},     {ID_HELP_SENDEMAIL, "Send Email"}, {0, ""},
                     {ID_HELP_ABOUT, "About"},         {ID_HELP_DOCUMENTATION, "Documentation"},
                     {ID_HELP_README, "Readme"},       {0, ""},
                     {ID_FILE_EXIT, "Beenden"}};
        ASSERT_EQ(11, ::GetMenuItemCount(menu));
        for (UINT i = 0; i < 11; ++i) {
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
            ::GetMenuItemInfoA(menu, i, TRUE, &info);
            if (items[i].id == 0) {
                EXPECT_TRUE(info.fType & MFT_SEPARATOR) << i;
                continue;
            }
            EXPECT_EQ(items[i].id, info.wID) << i;
            EXPECT_EQ(items[i].text, MenuText(menu, i, MF_BYPOSITION)) << i;
            EXPECT_EQ(0u, info.fState & (MFS_CHECKED | MFS_GRAYED | MFS_DEFAULT)) << i;
        }
        ::DestroyMenu(menu);
    });
}

TEST_F(TrayTest, RightButtonOnTheIconAndARightClickInTheWindowOpenThePopup)
{
    CMainDialog dlg;
    RunModal(dlg, [&] {
        const struct {
            UINT message;
            WPARAM wParam;
            LPARAM lParam;
        } openers[] = {{WM_TRAY_NOTIFY, 1, WM_RBUTTONUP}, {WM_CONTEXTMENU, 0, MAKELPARAM(5, 5)}};
        for (const auto& opener : openers) {
            bool opened = false;
            WhenReady([] { return FindThreadMenu() != nullptr; },
                      [&] {
                          opened = true;
                          ::EndMenu();
                      });
            dlg.SendMessage(opener.message, opener.wParam, opener.lParam);
            EXPECT_TRUE(opened) << opener.message;
        }
    });
}

namespace {

// Points the tray at a stand-in of the shell beside the test program.
class ShellStandIn {
public:
    explicit ShellStandIn(const char* variant)
        : m_path(Widen(ProgramDir() + "fake-shell32-" + variant + ".dll")), m_saved(g_pszTrayShellLibrary)
    {
        // The test runner puts the stand-ins beside the test program.
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(m_path.c_str())) << Narrow(m_path);
        g_pszTrayShellLibrary = m_path.c_str();
    }
    ~ShellStandIn() { g_pszTrayShellLibrary = m_saved; }

private:
    std::wstring m_path;
    const wchar_t* m_saved;
};

}  // namespace

TEST_F(TrayTest, WithoutTheTrayServiceStartUpSaysSoOnceAndTheSettingStaysOn)
{
    // No "Shell_NotifyIcon" entry at all, or an entry that refuses every
    // icon: either way there is no icon to come back through.
    for (const char* variant : {"noentry", "refuses"}) {
        SCOPED_TRACE(variant);
        ShellStandIn shell(variant);
        WriteIni("SysTrayIcon=1\r\n");
        int boxes = 0;
        std::string text, caption;
        // The box comes from start-up, before the window is shown.
        std::function<void()> answer = [&] {
            HWND box = FindThreadDialog(nullptr);
            ++boxes;
            char buffer[256] = "";
            ::GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
            text = buffer;
            ::GetWindowTextA(box, buffer, sizeof buffer);
            caption = buffer;
            ::SendMessageA(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        };
        WhenReady([] { HWND box = FindThreadDialog(nullptr); return box != nullptr && ::GetDlgItem(box, 0xFFFF); },
                  answer);
        CMainDialog dlg;
        RunModal(dlg, [&] {
            EXPECT_FALSE(dlg.m_tray.IsPresent());
            EXPECT_EQ(1, dlg.m_settings.m_bSysTrayIcon);
            dlg.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
            PumpMessages();
            EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
        });
        EXPECT_EQ(1, boxes);
        EXPECT_EQ("Error: System tray icon not available!", text);
        EXPECT_EQ("Brisklet Free", caption);
        EXPECT_EQ(1, static_cast<int>(::GetPrivateProfileIntA("Settings", "SysTrayIcon", 0, IniPath().c_str())));
    }
}

namespace {

// Set by a guard that may outlive its test: not a local of it.
bool g_menuOpened = false;

BOOL CALLBACK CountDialogs(HWND hwnd, LPARAM count)
{
    char name[16] = "";
    ::GetClassNameA(hwnd, name, sizeof name);
    if (::IsWindowVisible(hwnd) && lstrcmpA(name, "#32770") == 0)
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

}  // namespace

TEST_F(TrayTest, WhileADialogIsOpenTheIconOnlyBringsItForward)
{
    WriteIni("SysTrayIcon=1\r\n");
    CMainDialog dlg;
    RunModal(dlg, [&] {
        g_menuOpened = false;
        HWND settings = nullptr;
        HWND foreground = nullptr;
        int dialogs = 0;
        // A menu that opens anyway is closed again, so that the test ends.
        WhenReady([] { return FindThreadMenu() != nullptr; },
                  [] {
                      g_menuOpened = true;
                      ::EndMenu();
                  },
                  3000, false);
        WhenReady([&] { return (settings = FindThreadDialog(dlg.m_hWnd)) != nullptr; },
                  [&] {
                      dlg.SendMessage(WM_TRAY_NOTIFY, 1, WM_RBUTTONUP);
                      dlg.SendMessage(WM_TRAY_NOTIFY, 1, WM_LBUTTONDBLCLK);
                      PumpMessages();
                      foreground = ::GetForegroundWindow();
                      ::EnumThreadWindows(::GetCurrentThreadId(), &CountDialogs, reinterpret_cast<LPARAM>(&dialogs));
                      ::SendMessageA(::GetDlgItem(settings, IDCANCEL), BM_CLICK, 0, 0);
                  });
        dlg.OnSettings();
        EXPECT_FALSE(g_menuOpened);
        EXPECT_EQ(2, dialogs) << "the main window and one Settings dialog";
        EXPECT_EQ(settings, foreground);
    });
}
