// The tray icon in-process: its record and tips, the popup menu, hiding on
// minimize and the notifications.
#include <gtest/gtest.h>

#include "app/MainDialog.h"
#include "framework/Text.h"
#include "i18n/TextTable.h"
#include "resources/resource.h"
#include "tests/win32/FakeReadings.h"
#include "tests/win32/StandInShell.h"
#include "tests/win32/Support.h"
#include "ui/TrayIcon.h"
#include "ui/TrayMenu.h"

#include <functional>
#include <utility>

using namespace win32test;

namespace {

using TrayTest = MainWindowFixture;

// The shell's announcement that its taskbar was made again.
void AnnounceTaskbar(const CWnd& wnd)
{
    wnd.SendMessage(::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
}

}  // namespace

TEST_F(TrayTest, TheIconIsToldOfItsRecordOnlyWhenImageOrTipChange)
{
    RecordingShell shell;
    CTrayIcon tray(shell.Path());
    const HWND window = ::CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    const HICON first = ::LoadIconA(nullptr, IDI_APPLICATION);
    const HICON second = ::LoadIconA(nullptr, IDI_WARNING);
    ASSERT_TRUE(tray.AddTrayIcon(window, first, "Brisklet Free - first"));
    Call call = shell.Last();
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), call.message);
    EXPECT_EQ(static_cast<DWORD>(NOTIFYICONDATAW_V1_SIZE), call.record.cbSize);
    EXPECT_EQ(window, call.record.hWnd);
    EXPECT_EQ(1u, call.record.uID);
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP), call.record.uFlags);
    EXPECT_EQ(static_cast<UINT>(WM_TRAY_NOTIFY), call.record.uCallbackMessage);
    EXPECT_EQ(first, call.record.hIcon);
    EXPECT_EQ(L"Brisklet Free - first", std::wstring(call.record.szTip));

    tray.UpdateTrayIcon(first, "Brisklet Free - first");
    EXPECT_EQ(call.calls, shell.Last().calls) << "nothing changed, nothing is sent";
    for (const auto& change :
         {std::make_pair(first, "Brisklet Free - second"), std::make_pair(second, "Brisklet Free - second")}) {
        tray.UpdateTrayIcon(change.first, change.second);
        const Call next = shell.Last();
        EXPECT_EQ(call.calls + 1, next.calls);
        EXPECT_EQ(static_cast<DWORD>(NIM_MODIFY), next.message);
        EXPECT_EQ(static_cast<UINT>(NIF_ICON | NIF_TIP), next.record.uFlags);
        EXPECT_EQ(change.first, next.record.hIcon);
        call = next;
    }
    // A long tip is cut to the field's 63 characters, none of them split: a
    // character of two units that would end at unit 64 is left out whole.
    tray.UpdateTrayIcon(second, "Brisklet Free - " + std::string(46, 'y') + "\xF0\x9F\x98\x80");
    EXPECT_EQ(L"Brisklet Free - " + std::wstring(46, L'y'), std::wstring(shell.Last().record.szTip));

    tray.RemoveTrayIcon();
    EXPECT_EQ(static_cast<DWORD>(NIM_DELETE), shell.Last().message);
    ::DestroyWindow(window);
}

TEST_F(TrayTest, TheIconShowsTheViewAndANewTaskbarKeepsItAndTheWindowInTheTray)
{
    RecordingShell shell;
    WriteIni("SysTrayIcon=1\r\nTriggerLevel=32\r\n");
    const FakeReadings readings;
    CMainDialog dlg(false, &readings, shell.Path());
    RunModal(dlg, [&] {
        // The icon shows the view's tip and image from the first refresh on.
        EXPECT_EQ(L"Brisklet Free - 262,656 Free Free", std::wstring(shell.Last().record.szTip));
        EXPECT_TRUE(ShowsIcon(shell.Last().record.hIcon, IDI_YELLOW));
        dlg.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        // The shell still holds the icon (the display's scale changed), or
        // was started again and holds none.
        const struct {
            bool emptied;
            LONG calls;
            DWORD last;
        } cases[] = {{false, 2, NIM_MODIFY}, {true, 1, NIM_ADD}};
        for (const auto& c : cases) {
            if (c.emptied)
                shell.Empty();
            const LONG before = shell.Last().calls;
            AnnounceTaskbar(dlg);
            PumpMessages();
            EXPECT_FALSE(::IsWindowVisible(dlg.m_hWnd)) << c.emptied;
            const Call call = shell.Last();
            EXPECT_EQ(before + c.calls, call.calls) << c.emptied;
            EXPECT_EQ(c.last, call.message) << c.emptied;
            EXPECT_EQ(L"Brisklet Free - 262,656 Free Free", std::wstring(call.record.szTip)) << c.emptied;
            EXPECT_TRUE(ShowsIcon(call.record.hIcon, IDI_YELLOW)) << c.emptied;
            dlg.SendMessage(WM_TRAY_NOTIFY, 1, WM_LBUTTONDBLCLK);
            dlg.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
            PumpMessages();
            EXPECT_FALSE(::IsWindowVisible(dlg.m_hWnd)) << "the next minimize";
        }
    });
}

TEST_F(TrayTest, AStartInTheTrayAtLogonGetsItsIconFromTheTickAndLeavesNoneBehind)
{
    // The shell refuses the first adds and announces no taskbar; it may
    // hold a refused icon all the same.
    const struct {
        LONG refusals;
        BOOL kept;
    } cases[] = {{2, FALSE}, {1, TRUE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kept);
        RecordingShell shell;
        shell.Refuse(c.refusals, c.kept);
        WriteIni("SysTrayIcon=1\r\n");
        CMainDialog dlg(true, nullptr, shell.Path());
        RunModal(dlg, [&] {
            for (int i = 0; i < 1000 && (shell.Held() != 1 || ::IsWindowVisible(dlg.m_hWnd)); ++i) {
                PumpMessages();
                ::Sleep(10);
            }
            EXPECT_EQ(1, shell.Held());
            EXPECT_FALSE(::IsWindowVisible(dlg.m_hWnd));
        });
        EXPECT_EQ(0, shell.Held()) << "deleted at the end";
    }
}

TEST_F(TrayTest, WithTheIconMinimizingHidesTheWindowUntilADoubleClickBringsItBack)
{
    WriteIni("SysTrayIcon=1\r\n");
    CMainDialog dlg;
    RunModal(dlg, [&] {
        dlg.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        PumpMessages();
        EXPECT_FALSE(::IsWindowVisible(dlg.m_hWnd));

        // What a second start does to the running copy's window.
        for (int command : {SW_SHOW, SW_RESTORE}) {
            ::ShowWindow(dlg.m_hWnd, command);
            PumpMessages();
            EXPECT_FALSE(::IsWindowVisible(dlg.m_hWnd)) << command;
        }
        // Mouse moves, single clicks and a right press change nothing.
        for (LPARAM event : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN})
            dlg.SendMessage(WM_TRAY_NOTIFY, 1, event);
        EXPECT_FALSE(::IsWindowVisible(dlg.m_hWnd));

        dlg.SendMessage(WM_TRAY_NOTIFY, 1, WM_LBUTTONDBLCLK);
        PumpMessages();
        EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
        EXPECT_FALSE(dlg.IsIconic());
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
        } items[] = {{ID_FILE_OPTIMIZE, "Optimieren"},
                     {ID_FILE_SETTINGS, "Settings"},
                     {0, ""},
                     {ID_HELP_WEBSITE, "Website"},
                     {ID_HELP_SENDEMAIL, "Send Email"},
                     {0, ""},
                     {ID_HELP_ABOUT, "About"},
                     {ID_HELP_DOCUMENTATION, "Documentation"},
                     {ID_HELP_README, "Readme"},
                     {0, ""},
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

TEST_F(TrayTest, WithoutTheTrayServiceStartUpSaysSoOnceAndTheSettingStaysOn)
{
    // No "Shell_NotifyIcon" entry at all, or an entry that refuses every
    // icon: either way there is no icon to come back through.
    for (const char* variant : {"noentry", "refuses"}) {
        SCOPED_TRACE(variant);
        const std::wstring shell = StandIn(variant);
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
        WhenReady(
            [] {
                HWND box = FindThreadDialog(nullptr);
                return box != nullptr && ::GetDlgItem(box, 0xFFFF);
            },
            answer);
        CMainDialog dlg(false, nullptr, shell);
        RunModal(dlg, [] {});
        EXPECT_EQ(1, boxes);
        EXPECT_EQ("Error: System tray icon not available!", text);
        EXPECT_EQ("Brisklet Free", caption);
        EXPECT_EQ(1, static_cast<int>(::GetPrivateProfileIntA("Settings", "SysTrayIcon", 0, IniPath().c_str())));
    }
}

namespace {

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
        HWND settings = nullptr;
        HWND foreground = nullptr;
        int dialogs = 0;
        int menus = 0;
        WhenReady([&] { return (settings = FindThreadDialog(dlg.m_hWnd)) != nullptr; },
                  [&] {
                      // A menu that opens anyway is closed again, so that the test ends.
                      const UINT_PTR guard = WhenReady([] { return FindThreadMenu() != nullptr; },
                                                       [&] {
                                                           ++menus;
                                                           ::EndMenu();
                                                       },
                                                       5000, false);
                      // Another window in front, as when the user clicks the icon.
                      const HWND other = ::CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                                                         nullptr, nullptr, nullptr);
                      ::SetForegroundWindow(other);
                      dlg.SendMessage(WM_TRAY_NOTIFY, 1, WM_RBUTTONUP);
                      dlg.SendMessage(WM_TRAY_NOTIFY, 1, WM_LBUTTONDBLCLK);
                      PumpMessages();
                      Forget(guard);
                      foreground = ::GetForegroundWindow();
                      ::DestroyWindow(other);
                      ::EnumThreadWindows(::GetCurrentThreadId(), &CountDialogs, reinterpret_cast<LPARAM>(&dialogs));
                      ::SendMessageA(::GetDlgItem(settings, IDCANCEL), BM_CLICK, 0, 0);
                  });
        dlg.SendMessage(WM_COMMAND, ID_FILE_SETTINGS, 0);
        EXPECT_EQ(0, menus);
        EXPECT_EQ(2, dialogs) << "the main window and one Settings dialog";
        EXPECT_EQ(settings, foreground);
    });
}
