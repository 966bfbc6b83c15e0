// The floors the benchmarks measure bkfr against: the least a memory monitor
// can do. A plain window with four labels that a 500 ms timer fills from one
// GlobalMemoryStatus reading; no meters, no menu, no C++ library.
// Built a second time with FLOOR_SAME_DLLS (floor_dlls): then it imports and
// maps the system DLLs that bkfr does with its default settings, which tells
// what those DLLs cost from what bkfr's own work costs: the common controls
// in version 6 (through bkfr's manifest) for the meters, the registry
// functions, and the drawing functions that the theme DLL loads when bkfr's
// themed buttons first paint (a delayed import of that DLL's, so bkfr does
// not import them; this floor has no button and loads them itself). Not the
// shell: bkfr loads it only for the tray icon, which is off by default.
// (bench/run compares the DLLs the two import and map.)
// Built a third time, with FLOOR_SAME_DLLS and FLOOR_TICK_WORK (floor_tick):
// then each tick does the visible work of bkfr's tick with plain controls,
// five labels whose texts change and four standard progress bars set to new
// positions, so that bkfr's idle time against it is what its own way of
// doing that work costs.
// Built with FLOOR_STAGES (floor_stages, floor_dlls_stages), it marks its
// start-up stages as bkfr does: entry to WinMain, the window created, the
// labels filled, the window painted.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#ifdef FLOOR_STAGES
#include "bench/StageMarks.h"
#else
inline void WriteStageMark(const char*) {}
#endif

namespace {

#ifdef FLOOR_SAME_DLLS
// Never set: the calls only make the functions imports, which the system
// loads with the program as it loads bkfr's.
volatile bool g_never = false;

void LoadSameDlls()
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    if (g_never) {
        ::RegCloseKey(nullptr);
        ::GetStockObject(DEFAULT_GUI_FONT);
    }
    // What bkfr's buttons have the theme DLL load at their first paint.
    ::LoadLibraryA("msimg32.dll");
}
#else
void LoadSameDlls() {}
#endif

#ifdef FLOOR_TICK_WORK
const bool kTickWork = true;
const int kLabels = 5;
const int kBars = 4;
#else
const bool kTickWork = false;
const int kLabels = 4;
const int kBars = 0;
#endif

const char kClassName[] = "BriskletFloor";
const UINT_PTR kTimer = 1;
const int kRowHeight = 20;
HWND g_labels[kLabels];
HWND g_bars[4];
unsigned g_ticks = 0;

void Refresh()
{
    MEMORYSTATUS ms;
    ms.dwLength = sizeof ms;
    ::GlobalMemoryStatus(&ms);
    const unsigned long long figures[] = {ms.dwAvailPhys >> 10, ms.dwMemoryLoad, ms.dwTotalPhys >> 20,
                                          (ms.dwTotalPageFile - ms.dwAvailPageFile) >> 20, ::GetTickCount() / 1000};
    const char* const formats[] = {"Free: %llu KB", "Load: %llu %%", "Total: %llu MB", "Page file: %llu MB",
                                   "Up: %llu s"};
    static_assert(kLabels <= sizeof figures / sizeof figures[0] && kBars <= sizeof g_bars / sizeof g_bars[0]);
    ++g_ticks;
    for (int i = 0; i < kLabels; ++i) {
        char text[64];
        const int length = std::snprintf(text, sizeof text, formats[i], figures[i]);
        // The tick's number, so that each text changes each tick as bkfr's
        // lines do.
        if (kTickWork && length > 0 && length < static_cast<int>(sizeof text))
            std::snprintf(text + length, sizeof text - length, " (%u)", g_ticks);
        ::SetWindowTextA(g_labels[i], text);
    }
    for (int i = 0; i < kBars; ++i)
        ::SendMessageA(g_bars[i], PBM_SETPOS, (g_ticks * 7 + 25 * i) % 101, 0);
}

HWND CreateChild(HWND parent, const char* className, int row)
{
    return ::CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE, 8, 8 + kRowHeight * row, 260, kRowHeight - 2,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + row)), nullptr, nullptr);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        WriteStageMark("dialog");
        for (int i = 0; i < kLabels; ++i)
            g_labels[i] = CreateChild(hwnd, "STATIC", i);
        for (int i = 0; i < kBars; ++i)
            g_bars[i] = CreateChild(hwnd, "msctls_progress32", kLabels + i);
        Refresh();
        WriteStageMark("refresh");
        ::SetTimer(hwnd, kTimer, 500, nullptr);
        return 0;
    case WM_PAINT: {
        const LRESULT result = ::DefWindowProcA(hwnd, message, wParam, lParam);
        WriteStageMark("paint");
        return result;
    }
    case WM_TIMER:
        Refresh();
        return 0;
    case WM_DESTROY:
        ::KillTimer(hwnd, kTimer);
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    WriteStageMark("loader");
    LoadSameDlls();
    WNDCLASSA wc{};
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (::RegisterClassA(&wc) == 0)
        return 1;
    HWND hwnd = ::CreateWindowExA(0, kClassName, "Floor", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 300, 50 + kRowHeight * (kLabels + kBars), nullptr,
                                  nullptr, instance, nullptr);
    if (hwnd == nullptr)
        return 1;
    ::ShowWindow(hwnd, show);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}
