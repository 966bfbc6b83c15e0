// The icons: every image of every icon resource, the sizes the main window
// shows them at, the 16-colour images older systems get, and that none
// outlives the window.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "app/MainDialog.h"
#include "resources/resource.h"
#include "tests/win32/FakeReadings.h"
#include "tests/win32/StandInShell.h"
#include "tests/win32/Support.h"
#include "ui/Icons.h"

using namespace win32test;

namespace {

using IconsTest = MainWindowFixture;

typedef std::pair<int, int> Size;

const int kIconIds[] = {IDI_APP, IDI_BUSY, IDI_RED, IDI_YELLOW, IDI_GREEN, IDI_AUTOOFF};

// The colour bitmap of an icon; (0, 0) when the handle is no icon.
Size IconSize(HICON icon)
{
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info))
        return Size(0, 0);
    BITMAP bitmap{};
    ::GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return Size(bitmap.bmWidth, bitmap.bmHeight);
}

const BYTE* Resource(int id, LPCSTR type, DWORD* size)
{
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), type);
    *size = found != nullptr ? ::SizeofResource(module, found) : 0;
    return found != nullptr ? static_cast<const BYTE*>(::LockResource(::LoadResource(module, found))) : nullptr;
}

WORD Word(const BYTE* at)
{
    WORD value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

}  // namespace

TEST(IconResources, EachHoldsSevenTrueColourSizesAndTwoSixteenColourOnes)
{
    // (width, bits per pixel)
    const std::set<Size> expected = {{16, 32}, {20, 32}, {24, 32}, {32, 32}, {40, 32},
                                     {48, 32}, {64, 32}, {16, 4},  {32, 4}};
    for (int id : kIconIds) {
        DWORD size = 0;
        const BYTE* group = Resource(id, RT_GROUP_ICON, &size);
        ASSERT_NE(nullptr, group) << id;
        std::set<Size> found;
        // A header of three words, then 14 bytes an image: width, height,
        // colours, reserved, planes, bits per pixel, bytes, identifier.
        for (WORD i = 0; i < Word(group + 4) && 6u + 14u * (i + 1u) <= size; ++i) {
            const BYTE* entry = group + 6 + 14 * i;
            DWORD imageSize = 0;
            const BYTE* image = Resource(Word(entry + 12), RT_ICON, &imageSize);
            // Only an image that reads back at its width counts.
            HICON icon = image == nullptr ? nullptr
                                          : ::CreateIconFromResourceEx(const_cast<BYTE*>(image), imageSize, TRUE,
                                                                       0x00030000, 0, 0, LR_DEFAULTCOLOR);
            if (IconSize(icon) == Size(entry[0], entry[1]))
                found.insert(Size(entry[0], Word(entry + 6)));
            if (icon != nullptr)
                ::DestroyIcon(icon);
        }
        EXPECT_EQ(expected, found) << id;
    }
}

namespace {

// The large and small icon the window shows, then the small one during a
// run (the busy icon), each kept once the window is gone.
std::vector<HICON> ShownIcons(CMainDialog& dlg)
{
    std::vector<HICON> shown;
    SetTouchFreeStep(TouchFreeStep::Wait);
    RunModal(dlg, [&] {
        shown.push_back(dlg.GetIcon(TRUE));
        shown.push_back(dlg.GetIcon(FALSE));
        dlg.SendMessage(WM_COMMAND, IDC_OPTIMIZE, 0);
        shown.push_back(dlg.GetIcon(FALSE));
        ReleaseTouchFreeStep();
        for (int i = 0; i < 2000 && !::IsWindowEnabled(dlg.GetDlgItem(IDC_OPTIMIZE)); ++i) {
            PumpMessages();
            ::Sleep(5);
        }
    });
    return shown;
}

}  // namespace

TEST_F(IconsTest, TheWindowShowsItsIconsAtTheSystemsSizesAndNoneOutlivesIt)
{
    const Size large(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    const Size small(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
    // More to free than is free, so that Optimize starts a run.
    WriteIni("MemToFree=2000\r\n");
    const FakeReadings readings;
    std::vector<Size> sizes;
    std::vector<HICON> shown;
    {
        CMainDialog dlg(false, &readings);
        shown = ShownIcons(dlg);
        for (HICON icon : shown)
            sizes.push_back(IconSize(icon));
        EXPECT_EQ((std::vector<Size>{large, small, small}), sizes);
    }
    for (HICON icon : shown)
        EXPECT_EQ(Size(0, 0), IconSize(icon));
}

TEST(IconResources, WhereTrueColourCannotBeReadEachIconHasItsSixteenColourImage)
{
    // The standard 16-colour palette.
    const std::set<DWORD> vga = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                                 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int id : kIconIds) {
        for (int width : {16, 32}) {
            HICON icon = LoadPaletteIconAt(::GetModuleHandleA(nullptr), id, width, width);
            EXPECT_EQ(Size(width, width), IconSize(icon)) << id;
            std::set<DWORD> colours;
            for (DWORD pixel : IconPixels(icon))
                if (vga.count(pixel) == 0)
                    colours.insert(pixel);
            EXPECT_TRUE(colours.empty()) << id << " " << width << ": " << colours.size() << " colours off the palette";
            if (icon != nullptr)
                ::DestroyIcon(icon);
        }
    }
}

TEST_F(IconsTest, AMoveToAMonitorOfAnotherScaleTakesTheSuggestedPlaceAndIconsOfItsSizeAndTheTrayKeepsItsOwn)
{
    RecordingShell shell;
    WriteIni("SysTrayIcon=1\r\n");
    const FakeReadings readings;
    CMainDialog dlg(false, &readings, shell.Path());
    RunModal(dlg, [&] {
        RECT work, window;
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        dlg.GetWindowRect(&window);
        const HICON shownBefore = dlg.GetIcon(TRUE);
        const Call trayBefore = shell.Last();
        // To 144 dots per inch: the window half as large again, where the
        // system suggests; the second time with its caption above the work
        // area, from where it comes down to be grabbed.
        const LONG width = (window.right - window.left) * 3 / 2, height = (window.bottom - window.top) * 3 / 2;
        const struct {
            LONG top;
            bool comesDown;
        } rows[] = {{work.top + 40, false}, {work.top - 200, true}};
        for (const auto& row : rows) {
            RECT suggested = {work.left + 30, row.top, work.left + 30 + width, row.top + height};
            dlg.SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
            dlg.GetWindowRect(&window);
            EXPECT_EQ(std::make_pair(width, height),
                      std::make_pair(window.right - window.left, window.bottom - window.top));
            // The caption's first row, down the window's middle.
            const LONG middle = (window.left + window.right) / 2;
            LONG caption = window.top;
            while (caption < window.bottom &&
                   dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(middle, caption)) != HTCAPTION)
                ++caption;
            if (row.comesDown)
                EXPECT_EQ(work.top, caption);
            else
                EXPECT_EQ(std::make_pair(suggested.left, suggested.top), std::make_pair(window.left, window.top));
        }
        EXPECT_EQ(Size(48, 48), IconSize(dlg.GetIcon(TRUE)));
        EXPECT_EQ(Size(24, 24), IconSize(dlg.GetIcon(FALSE)));
        EXPECT_EQ(Size(0, 0), IconSize(shownBefore)) << "the old image let go";
        EXPECT_EQ(trayBefore.calls, shell.Last().calls) << "the tray's icon stays at the system's size";
        // Minimized, the window keeps its place: a move would show it as a
        // caption on the screen.
        dlg.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        RECT minimized, suggested = {work.left + 30, work.top + 40, work.left + 30 + width, work.top + 40 + height};
        ASSERT_TRUE(dlg.IsIconic());
        dlg.GetWindowRect(&minimized);
        dlg.SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        dlg.GetWindowRect(&window);
        EXPECT_TRUE(::EqualRect(&minimized, &window));
    });
}
