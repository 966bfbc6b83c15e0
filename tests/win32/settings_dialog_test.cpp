// The Settings dialog in-process: ranges, labels, check boxes, the language
// list, and what OK and Cancel give back to the main window.
#include <gtest/gtest.h>

#include "app/MainDialog.h"
#include "i18n/Language.h"
#include "i18n/TextTable.h"
#include "resources/resource.h"
#include "tests/win32/Support.h"
#include "ui/SettingsDialog.h"

using namespace win32test;

namespace {

class SettingsDialogTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        lang.Write("language.ini", "[languages]\r\n0=de.ini\r\n1=en.ini\r\n");
        lang.Write("de.ini",
                   "[free_settings]\r\nCaption_Text=Einstellungen\r\nMemoryToFree_Text=Freizugebender Speicher\r\n"
                   "OKBtn_Text=Gut\r\n[free_global_strings]\r\nMB_Text=MByte\r\n[free_main]\r\nExitBtn_Text=Ende\r\n"
                   "[language_entries]\r\n0=Deutsch\r\n1=Englisch\r\n2=No More\r\n");
        lang.Write("en.ini",
                   "[free_global_strings]\r\nMB_Text=MB\r\n[language_entries]\r\n0=German\r\n1=English\r\n"
                   "2=No More\r\n");
        SetLanguageDir(lang.Path().c_str());
        ReadLanguageDir(std::string());
        g_nLanguage = 1;
    }
    // The values a main window would give the dialog.
    static SettingsValues Values(int memToFree, int trigger, int stayOnTop, int tray, int incremental)
    {
        SettingsValues values;
        values.m_nMemToFree = memToFree;
        values.m_nTriggerLevel = trigger;
        values.m_bStayOnTop = stayOnTop;
        values.m_bSysTrayIcon = tray;
        values.m_bUseIncrementalRelease = incremental;
        return values;
    }

    ScratchFolder lang{"lang-settings"};
};

int Send(HWND dlg, int id, UINT msg, WPARAM w = 0, LPARAM l = 0)
{
    return static_cast<int>(::SendDlgItemMessageA(dlg, id, msg, w, l));
}

std::string ComboItem(HWND dlg, int index)
{
    char text[256] = "";
    ::SendDlgItemMessageA(dlg, IDC_LANGUAGE_LIST, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

// A machine with 256 MB: Memory to Free runs 1 to 257, Trigger Level 0 to
// 129, and the labels show shares of 256.
const unsigned long long k256Mb = 256ull << 20;

}  // namespace

TEST_F(SettingsDialogTest, SlidersTakeTheirRangesAndClampTheStartValues)
{
    const struct {
        int memToFree, trigger;
        int shownMem, shownTrigger;
    } cases[] = {
        {64, 7, 64, 7},
        {0, 0, 1, 0},          // below the range: the left end
        {900, 300, 257, 129},  // above it: the right end
    };
    for (const auto& c : cases) {
        CSettingsDialog dlg(nullptr, Values(c.memToFree, c.trigger, 1, 0, 0), k256Mb);
        RunModal(
            dlg,
            [&] {
                const HWND h = dlg.m_hWnd;
                EXPECT_EQ(1, Send(h, IDC_MEMTOFREE_SLIDER, TBM_GETRANGEMIN));
                EXPECT_EQ(257, Send(h, IDC_MEMTOFREE_SLIDER, TBM_GETRANGEMAX));
                EXPECT_EQ(0, Send(h, IDC_TRIGGER_SLIDER, TBM_GETRANGEMIN));
                EXPECT_EQ(129, Send(h, IDC_TRIGGER_SLIDER, TBM_GETRANGEMAX));
                EXPECT_EQ(c.shownMem, Send(h, IDC_MEMTOFREE_SLIDER, TBM_GETPOS));
                EXPECT_EQ(c.shownTrigger, Send(h, IDC_TRIGGER_SLIDER, TBM_GETPOS));
                dlg.OnOK();
            },
            IDOK);
        // OK takes the clamped values.
        EXPECT_EQ(c.shownMem, dlg.Values().m_nMemToFree);
        EXPECT_EQ(c.shownTrigger, dlg.Values().m_nTriggerLevel);
    }
}

TEST_F(SettingsDialogTest, CheckBoxesShowTheFlagsAndAFlagOutsideTheRangeAsUnchecked)
{
    const struct {
        int flag;
        int shown;
    } cases[] = {{0, BST_UNCHECKED}, {1, BST_CHECKED}, {5, BST_UNCHECKED}, {-1, BST_UNCHECKED}};
    for (const auto& c : cases) {
        CSettingsDialog dlg(nullptr, Values(10, 1, c.flag, c.flag, c.flag), k256Mb);
        RunModal(
            dlg,
            [&] {
                for (int id : {IDC_STAYONTOP, IDC_SYSTRAYICON, IDC_INCREMENTAL})
                    EXPECT_EQ(c.shown, Send(dlg.m_hWnd, id, BM_GETCHECK)) << c.flag << " " << id;
                dlg.OnOK();
            },
            IDOK);
        EXPECT_EQ(c.shown, dlg.Values().m_bStayOnTop);
        EXPECT_EQ(c.shown, dlg.Values().m_bSysTrayIcon);
        EXPECT_EQ(c.shown, dlg.Values().m_bUseIncrementalRelease);
    }
}

TEST_F(SettingsDialogTest, ValueLabelsFollowTheSlidersIncludingKeyboardMoves)
{
    CSettingsDialog dlg(nullptr, Values(10, 1, 1, 0, 0), k256Mb);
    RunModal(dlg, [&] {
        const HWND slider = dlg.GetDlgItem(IDC_TRIGGER_SLIDER);
        ::SetFocus(slider);
        ::SendMessageA(slider, WM_KEYDOWN, VK_RIGHT, 0);
        ::SendMessageA(slider, WM_KEYUP, VK_RIGHT, 0);
        EXPECT_EQ("2 MB  (0%)", Text(dlg.m_hWnd, IDC_TRIGGER_VALUE));
    });
}

TEST_F(SettingsDialogTest, ChoosingALanguageChangesTheDialogAtOnceAndStaysAfterCancel)
{
    CSettingsDialog dlg(nullptr, Values(10, 1, 1, 0, 0), k256Mb);
    RunModal(
        dlg,
        [&] {
            const HWND h = dlg.m_hWnd;
            ASSERT_EQ(2, Send(h, IDC_LANGUAGE_LIST, CB_GETCOUNT));
            EXPECT_EQ("German", ComboItem(h, 0));
            EXPECT_EQ(1, Send(h, IDC_LANGUAGE_LIST, CB_GETCURSEL));
            EXPECT_EQ("Settings", dlg.GetWindowText());
            EXPECT_EQ("OK", Text(h, IDOK));

            Send(h, IDC_LANGUAGE_LIST, CB_SETCURSEL, 0);
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_LIST, CBN_SELCHANGE),
                            reinterpret_cast<LPARAM>(dlg.GetDlgItem(IDC_LANGUAGE_LIST)));
            EXPECT_EQ(0, g_nLanguage);
            EXPECT_EQ("Einstellungen", dlg.GetWindowText());
            EXPECT_EQ("Freizugebender Speicher", Text(h, IDC_MEMTOFREE_CAPTION));
            EXPECT_EQ("Gut", Text(h, IDOK));
            EXPECT_EQ("Trigger Level", Text(h, IDC_TRIGGER_CAPTION));  // no key: the default
            // The list is filled again from the new file, the choice selected.
            EXPECT_EQ("Deutsch", ComboItem(h, 0));
            EXPECT_EQ(0, Send(h, IDC_LANGUAGE_LIST, CB_GETCURSEL));
            // The value labels keep the old unit word until a slider moves.
            EXPECT_EQ("10 MB  (3%)", Text(h, IDC_MEMTOFREE_VALUE));
            dlg.SendMessage(WM_HSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(dlg.GetDlgItem(IDC_MEMTOFREE_SLIDER)));
            EXPECT_EQ("10 MByte  (3%)", Text(h, IDC_MEMTOFREE_VALUE));
        },
        IDCANCEL);
    EXPECT_EQ(0, g_nLanguage);
}

TEST_F(SettingsDialogTest, ANumberBeyondTheListSelectsNothingButTheListIsOffered)
{
    g_nLanguage = 7;
    CSettingsDialog dlg(nullptr, Values(10, 1, 1, 0, 0), k256Mb);
    RunModal(dlg, [&] {
        EXPECT_EQ(CB_ERR, Send(dlg.m_hWnd, IDC_LANGUAGE_LIST, CB_GETCURSEL));
        // No file for number 7 and no english.ini: the first listed file's list.
        EXPECT_EQ("Deutsch", ComboItem(dlg.m_hWnd, 0));
    });
    EXPECT_EQ(7, g_nLanguage);
}

TEST_F(SettingsDialogTest, PressingTheBackgroundStartsMovingTheWindow)
{
    CSettingsDialog settings(nullptr, Values(10, 1, 1, 0, 0), k256Mb);
    CMainDialog main;
    for (CDialog* dlg : {static_cast<CDialog*>(&settings), static_cast<CDialog*>(&main)}) {
        RunModal(*dlg, [&] {
            MSG msg;
            while (::PeekMessageA(&msg, dlg->m_hWnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE)) {
            }
            dlg->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 3));
            ASSERT_TRUE(::PeekMessageA(&msg, dlg->m_hWnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
            EXPECT_EQ(static_cast<WPARAM>(HTCAPTION), msg.wParam);
            EXPECT_EQ(MAKELPARAM(7, 3), msg.lParam);
        });
    }
}

// The main window's Settings command, with the dialog worked from a timer;
// the values it hands back are those the window saves at its end.
TEST_F(SettingsDialogTest, OkHandsTheValuesBackAndAppliesLayerTrayAndTexts)
{
    // Away from the screen's edges, so that a dialog centred over it fits.
    WriteIni("Language=1\r\nMemToFree=0\r\nStayOnTop=1\r\nSysTrayIcon=0\r\nLeft=100\r\nTop=80\r\n");
    CMainDialog main;
    RunModal(main, [&] {
        WhenReady([&] { return FindThreadDialog(main.m_hWnd) != nullptr; },
                  [&] {
                      const HWND dlg = FindThreadDialog(main.m_hWnd);
                      EXPECT_FALSE(::IsWindowEnabled(main.m_hWnd));               // owner of a modal dialog
                      EXPECT_EQ(1, Send(dlg, IDC_MEMTOFREE_SLIDER, TBM_GETPOS));  // 0 shows as 1
                      Send(dlg, IDC_TRIGGER_SLIDER, TBM_SETPOS, TRUE, 3);
                      Send(dlg, IDC_STAYONTOP, BM_SETCHECK, BST_UNCHECKED);
                      Send(dlg, IDC_SYSTRAYICON, BM_SETCHECK, BST_CHECKED);
                      Send(dlg, IDC_INCREMENTAL, BM_SETCHECK, BST_CHECKED);
                      Send(dlg, IDC_LANGUAGE_LIST, CB_SETCURSEL, 0);
                      ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_LIST, CBN_SELCHANGE),
                                     reinterpret_cast<LPARAM>(::GetDlgItem(dlg, IDC_LANGUAGE_LIST)));
                      ::SendMessageA(::GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
                  });
        main.SendMessage(WM_COMMAND, ID_FILE_SETTINGS, 0);
        EXPECT_EQ(0, ::GetWindowLongA(main.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_EQ("Ende", Text(main.m_hWnd, IDOK));  // the main window's texts follow at once
        // With the icon, minimizing hides the window.
        main.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        PumpMessages();
        EXPECT_FALSE(::IsWindowVisible(main.m_hWnd));

        // Settings from the tray brings the window back first, and opens
        // over it; clearing the box removes the icon at OK.
        WhenReady([&] { return FindThreadDialog(main.m_hWnd) != nullptr; },
                  [&] {
                      const HWND dlg = FindThreadDialog(main.m_hWnd);
                      EXPECT_TRUE(::IsWindowVisible(main.m_hWnd) && !::IsIconic(main.m_hWnd));
                      RECT owner, over;
                      ::GetWindowRect(main.m_hWnd, &owner);
                      ::GetWindowRect(dlg, &over);
                      EXPECT_NEAR(owner.left + owner.right, over.left + over.right, 3);
                      EXPECT_NEAR(owner.top + owner.bottom, over.top + over.bottom, 3);
                      Send(dlg, IDC_SYSTRAYICON, BM_SETCHECK, BST_UNCHECKED);
                      ::SendMessageA(::GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
                  });
        main.SendMessage(WM_COMMAND, ID_FILE_SETTINGS, 0);
        main.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        PumpMessages();
        EXPECT_TRUE(::IsWindowVisible(main.m_hWnd));
    });
    const struct {
        const char* key;
        int value;
    } saved[] = {{"Language", 0},  {"MemToFree", 1},   {"TriggerLevel", 3},
                 {"StayOnTop", 0}, {"SysTrayIcon", 0}, {"UseIncrementalRelease", 1}};
    for (const auto& v : saved)
        EXPECT_EQ(v.value, static_cast<int>(::GetPrivateProfileIntA("Settings", v.key, -1, IniPath().c_str())))
            << v.key;
}

TEST_F(SettingsDialogTest, CancelGivesNothingBackButKeepsAChosenLanguage)
{
    WriteIni("Language=1\r\nMemToFree=50\r\nSysTrayIcon=0\r\n");
    CMainDialog main;
    RunModal(main, [&] {
        const std::string exitText = Text(main.m_hWnd, IDOK);
        WhenReady([&] { return FindThreadDialog(main.m_hWnd) != nullptr; },
                  [&] {
                      const HWND dlg = FindThreadDialog(main.m_hWnd);
                      Send(dlg, IDC_MEMTOFREE_SLIDER, TBM_SETPOS, TRUE, 2);
                      Send(dlg, IDC_SYSTRAYICON, BM_SETCHECK, BST_CHECKED);
                      Send(dlg, IDC_LANGUAGE_LIST, CB_SETCURSEL, 0);
                      ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_LIST, CBN_SELCHANGE),
                                     reinterpret_cast<LPARAM>(::GetDlgItem(dlg, IDC_LANGUAGE_LIST)));
                      ::SendMessageA(::GetDlgItem(dlg, IDCANCEL), BM_CLICK, 0, 0);
                  });
        main.SendMessage(WM_COMMAND, ID_FILE_SETTINGS, 0);
        EXPECT_EQ(exitText, Text(main.m_hWnd, IDOK));  // the main window keeps its language
    });
    EXPECT_EQ(50, static_cast<int>(::GetPrivateProfileIntA("Settings", "MemToFree", -1, IniPath().c_str())));
    EXPECT_EQ(0, static_cast<int>(::GetPrivateProfileIntA("Settings", "SysTrayIcon", -1, IniPath().c_str())));
    // The language chosen before Cancel stays.
    EXPECT_EQ(0, static_cast<int>(::GetPrivateProfileIntA("Settings", "Language", -1, IniPath().c_str())));
}
