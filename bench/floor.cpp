// The floor the benchmarks measure bkfr against: the least a memory monitor
// can do. A plain window with four labels that a 500 ms timer fills from one
// GlobalMemoryStatus reading; no meters, no menu, no C++ library.
// Built a second time with FLOOR_SAME_DLLS: then it loads the system DLLs
// that bkfr loads with its default settings, which tells what those DLLs
// cost from what bkfr's own work costs: the common controls in version 6
// (through bkfr's manifest) for the meters, the registry functions, and the
// drawing functions that bkfr's painting brings in through a delayed import
// of the common controls and theme DLLs. Not the shell: bkfr loads it only
// for the tray icon, which is off by default. (bench/run compares the DLLs
// the two map.)
// Built with BKFR_BENCH_STAGES (floor_stages, floor_dlls_stages), it marks
// its start-up stages as bkfr does (framework/Stages.h): entry to WinMain,
// the window created, the labels filled, the window painted.
#include <windows.h>

#include <cstdio>

#include "framework/Stages.h"

#ifdef FLOOR_SAME_DLLS
#include <commctrl.h>
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
        ::GradientFill(nullptr, nullptr, 0, nullptr, 0, 0);
        ::GetStockObject(DEFAULT_GUI_FONT);
    }
}
#else
void LoadSameDlls() {}
#endif

const char kClassName[] = "BriskletFloor";
const UINT_PTR kTimer = 1;
const int kLabels = 4;
HWND g_labels[kLabels];

void Refresh()
{
    MEMORYSTATUS ms;
    ms.dwLength = sizeof ms;
    ::GlobalMemoryStatus(&ms);
    const unsigned long long figures[kLabels] = {ms.dwAvailPhys >> 10, ms.dwMemoryLoad, ms.dwTotalPhys >> 20,
                                                 (ms.dwTotalPageFile - ms.dwAvailPageFile) >> 20};
    const char* const formats[kLabels] = {"Free: %llu KB", "Load: %llu %%", "Total: %llu MB", "Page file: %llu MB"};
    for (int i = 0; i < kLabels; ++i) {
        char text[64];
        std::snprintf(text, sizeof text, formats[i], figures[i]);
        ::SetWindowTextA(g_labels[i], text);
    }
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        MarkStage("dialog");
        for (int i = 0; i < kLabels; ++i)
            g_labels[i] = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 8, 8 + 20 * i, 260, 18, hwnd,
                                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), nullptr, nullptr);
        Refresh();
        MarkStage("refresh");
        ::SetTimer(hwnd, kTimer, 500, nullptr);
        return 0;
    case WM_PAINT: {
        const LRESULT result = ::DefWindowProcA(hwnd, message, wParam, lParam);
        MarkStage("paint");
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
    MarkStage("loader");
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
                                  CW_USEDEFAULT, CW_USEDEFAULT, 300, 130, nullptr, nullptr, instance, nullptr);
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
