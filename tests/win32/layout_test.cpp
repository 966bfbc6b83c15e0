// Every text of the main window and the Settings dialog fits its control in
// every shipped language, with the widest figures a machine shows (the
// 64-bit build with 128 GB), at the DPI this test runs with (tools/test
// runs it at 96 and at 144).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/MainDialog.h"
#include "framework/Gdi.h"
#include "framework/Text.h"
#include "i18n/Language.h"
#include "resources/resource.h"
#include "tests/win32/Support.h"
#include "ui/SettingsDialog.h"

using namespace win32test;

namespace {

using Layout = MainWindowFixture;

// How far a text reaches past the room its control gives it, in pixels;
// 0 or less when it fits. `reserved` is what the control takes besides the
// text (a check box's box, a button's edges).
int Overflow(HWND control, const std::string& text, int reserved)
{
    HDC dc = ::GetDC(control);
    const std::wstring wide = Widen(text);
    SIZE size{};
    {
        const CSelectObject font(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
        ::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    }
    ::ReleaseDC(control, dc);
    RECT client;
    ::GetClientRect(control, &client);
    return size.cx + reserved - client.right;
}

std::string LangDir()
{
    const char* source = std::getenv("BRISKLET_SOURCE");
    return source != nullptr ? std::string(source) + "\\lang\\" : std::string();
}

// The shipped language numbers and their files.
std::vector<std::pair<int, std::string>> Languages()
{
    std::vector<std::pair<int, std::string>> languages;
    for (int number = 0;; ++number) {
        const std::string name = LanguageText(LangDir() + "language.ini", "languages", std::to_string(number).c_str());
        if (name == "<missing>")
            break;
        languages.emplace_back(number, LangDir() + name);
    }
    return languages;
}

struct Line {
    int id;
    std::string text;
    int reserved;
};

void ExpectFits(HWND dialog, const std::vector<Line>& lines)
{
    for (const Line& line : lines) {
        const int overflow = Overflow(::GetDlgItem(dialog, line.id), line.text, line.reserved);
        EXPECT_LE(overflow, 0) << "control " << line.id << ": \"" << line.text << "\" is " << overflow
                               << " pixels too wide";
    }
}

// A check box's box and the gap after it; a push button's edges.
int CheckBoxRoom()
{
    return ::GetSystemMetrics(SM_CXMENUCHECK) + ::GetSystemMetrics(SM_CXEDGE) * 2;
}
int ButtonRoom()
{
    return ::GetSystemMetrics(SM_CXEDGE) * 4;
}

}  // namespace

TEST_F(Layout, EveryLanguageFitsTheMainWindowWithTheWidestFigures)
{
    SetLanguageDir(LangDir().c_str());
    const auto languages = Languages();
    ASSERT_GE(languages.size(), 13u);
    HDC screen = ::GetDC(nullptr);
    std::printf("layout at %d dots per inch\n", ::GetDeviceCaps(screen, LOGPIXELSX));
    ::ReleaseDC(nullptr, screen);
    for (const auto& [number, file] : languages) {
        SCOPED_TRACE(file);
        WriteIni("Language=" + std::to_string(number) + "\r\n");
        auto text = [&](const char* section, const char* key) { return LanguageText(file, section, key); };
        const std::string kb = text("free_global_strings", "KB_Text");
        const std::string mb = text("free_global_strings", "MB_Text");
        CMainDialog dlg;
        RunModal(dlg, [&] {
            ExpectFits(dlg.m_hWnd, {
                                       {IDC_FREERAM_LINE, text("free_main", "FreeRam_Text") + " 134,217,728 " + kb, 0},
                                       {IDC_TOTALRAM_LINE, text("free_main", "TotalRam_Text") + " 131,072 " + mb, 0},
                                       {IDC_PAGEFILE_LINE,
                                        text("free_main", "SwapFile_Text") + " 150000 " + mb + " / 150000 " + mb, 0},
                                       {IDC_UPTIME_LINE, text("free_main", "Uptime_Text") + " 49/17:02:47 ", 0},
                                       {IDC_MEMORYLOAD_CAPTION, text("free_main", "MemoryLoad_Text"), 0},
                                       {IDC_CPU_CAPTION, text("free_main", "CpuUsage_Text"), 0},
                                       {IDC_OPTIMIZE, text("free_main", "OptimizeBtn_Text"), ButtonRoom()},
                                       {IDOK, text("free_main", "ExitBtn_Text"), ButtonRoom()},
                                   });
        });
    }
}

TEST_F(Layout, EveryLanguageFitsTheSettingsDialog)
{
    SetLanguageDir(LangDir().c_str());
    ReadLanguageDir(std::string());
    for (const auto& [number, file] : Languages()) {
        SCOPED_TRACE(file);
        g_nLanguage = number;
        auto text = [&](const char* key) { return LanguageText(file, "free_settings", key); };
        const std::string mb = LanguageText(file, "free_global_strings", "MB_Text");
        SettingsValues values;
        // 128 GB: the widest labels.
        CSettingsDialog dlg(nullptr, values, 128ull << 30);
        RunModal(dlg, [&] {
            ExpectFits(dlg.m_hWnd, {
                                       {IDC_MEMTOFREE_CAPTION, text("MemoryToFree_Text"), 0},
                                       {IDC_TRIGGER_CAPTION, text("TriggerLevel_Text"), 0},
                                       {IDC_LANGUAGE_CAPTION, text("Language_Text"), 0},
                                       {IDC_MEMTOFREE_VALUE, "131073 " + mb + "  (100%)", 0},
                                       {IDC_TRIGGER_VALUE, "65537 " + mb + "  (50%)", 0},
                                       {IDC_STAYONTOP, text("StayOnTop_Text"), CheckBoxRoom()},
                                       {IDC_SYSTRAYICON, text("SystemTray_Text"), CheckBoxRoom()},
                                       {IDC_INCREMENTAL, text("IcrementalRelease_Text"), CheckBoxRoom()},
                                       {IDOK, text("OKBtn_Text"), ButtonRoom()},
                                       {IDCANCEL, text("CancelBtn_Text"), ButtonRoom()},
                                   });
        });
    }
}
