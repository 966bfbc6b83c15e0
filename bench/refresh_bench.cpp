// The cost of one refresh tick of the main window, in-process (its
// WM_TIMER: one reading, the view, and what changed shown) against the
// floor's tick (bench/floor.cpp doing a tick's visible work: one memory
// reading, five label texts and four standard progress bars, in a plain
// window of this process), and the parts of bkfr's tick that the floor's
// does otherwise or not at all.
//   refresh_bench.exe [CALLS [ROUNDS]]
// Each round times CALLS ticks of each, once without and once with painting
// what they changed, then CALLS of each part. Prints per variant the median
// microseconds per call of both and the median of the rounds' ratios, then
// the parts' medians:
//   call|paint REFRESH_US FLOOR_US RATIO
//   part NAME US
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <vector>

#include "app/MainDialog.h"
#include "measure/CpuUsage.h"
#include "resources/resource.h"

namespace {

LARGE_INTEGER g_frequency;

// Runs the dialog modally, as the Win32 tests do: a thread timer reaches
// its message loop, runs the body once and ends the dialog.
CDialog* g_dialog = nullptr;
void (*g_body)() = nullptr;

void CALLBACK RunBody(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    g_body();
    g_dialog->EndDialog(0);
}

void RunModal(CDialog& dlg, void (*body)())
{
    g_dialog = &dlg;
    g_body = body;
    ::SetTimer(nullptr, 0, 0, &RunBody);
    dlg.DoModal();
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

double NowUs()
{
    LARGE_INTEGER count;
    ::QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1e6 / static_cast<double>(g_frequency.QuadPart);
}

// The floor's window, with the floor's tick.
struct Floor {
    HWND window = nullptr;
    HWND labels[5] = {};
    HWND bars[4] = {};
    unsigned ticks = 0;
};
Floor g_floor;

void CreateFloor()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "BriskletFloor";
    ::RegisterClassA(&wc);
    // Below the dialog, so that neither covers the other.
    g_floor.window = ::CreateWindowExA(0, wc.lpszClassName, "Floor", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 0, 530,
                                       300, 230, nullptr, nullptr, wc.hInstance, nullptr);
    int row = 0;
    for (HWND& label : g_floor.labels)
        label = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 8, 8 + 20 * row++, 260, 18, g_floor.window,
                                  nullptr, nullptr, nullptr);
    for (HWND& bar : g_floor.bars)
        bar = ::CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 8, 8 + 20 * row++, 260, 18,
                                g_floor.window, nullptr, nullptr, nullptr);
}

// Five texts, each new, as the floor's tick sets them.
void SetFloorLabels()
{
    for (HWND label : g_floor.labels) {
        char text[64];
        std::snprintf(text, sizeof text, "Figure %u", g_floor.ticks);
        ::SetWindowTextA(label, text);
    }
}

// Four new positions, as the floor's tick sets them.
void SetFloorBars()
{
    int i = 0;
    for (HWND bar : g_floor.bars)
        ::SendMessageA(bar, PBM_SETPOS, (g_floor.ticks * 7 + 25 * i++) % 101, 0);
}

void FloorTick()
{
    MEMORYSTATUS ms;
    ms.dwLength = sizeof ms;
    ::GlobalMemoryStatus(&ms);
    ++g_floor.ticks;
    SetFloorLabels();
    SetFloorBars();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 != 0 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

struct Variant {
    const char* name;
    bool paint;
    std::vector<double> refreshUs, floorUs, ratios;
};

void Paint(HWND window)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Microseconds per call of `work`.
template <typename Work>
double TimeCalls(int calls, Work work)
{
    const double start = NowUs();
    for (int i = 0; i < calls; ++i)
        work();
    return (NowUs() - start) / calls;
}

int g_calls = 2000;
int g_rounds = 7;
Variant g_variants[2] = {{"call", false, {}, {}, {}}, {"paint", true, {}, {}, {}}};
CMainDialog* g_main = nullptr;

// A part of a tick, timed alone: what bkfr's tick does that the floor's
// does not (the timer's restart, the processor sample), and what both do
// their own way (the lines or labels, the meters or bars, each set to a new
// value and painted).
struct Part {
    const char* name;
    void (*work)(HWND dialog);
    std::vector<double> us;
};

const int kLineIds[5] = {IDC_FREERAM_LINE, IDC_MEMORYLOAD_CAPTION, IDC_TOTALRAM_LINE, IDC_PAGEFILE_LINE,
                         IDC_UPTIME_LINE};
const int kMeterIds[4] = {IDC_FREERAM_METER, IDC_MEMORYLOAD_METER, IDC_PAGEFILE_METER, IDC_CPU_METER};
unsigned g_partCalls = 0;

Part g_parts[] = {
    {"timer",
     [](HWND dialog) {
         ::KillTimer(dialog, 1);
         ::SetTimer(dialog, 1, 500, nullptr);
     },
     {}},
    {"cpu", [](HWND) { g_cpuUsage.GetCpuUsage(); }, {}},
    {"memory",
     [](HWND) {
         MEMORYSTATUS ms;
         ms.dwLength = sizeof ms;
         ::GlobalMemoryStatus(&ms);
     },
     {}},
    {"lines",
     [](HWND dialog) {
         ++g_partCalls;
         for (int id : kLineIds) {
             wchar_t text[64];
             std::swprintf(text, 64, L"Figure %u", g_partCalls);
             ::SetDlgItemTextW(dialog, id, text);
             ::UpdateWindow(::GetDlgItem(dialog, id));
         }
     },
     {}},
    {"labels",
     [](HWND) {
         ++g_floor.ticks;
         SetFloorLabels();
         for (HWND label : g_floor.labels)
             ::UpdateWindow(label);
     },
     {}},
    {"meters",
     [](HWND dialog) {
         for (int id : kMeterIds) {
             HWND meter = ::GetDlgItem(dialog, id);
             ::InvalidateRect(meter, nullptr, FALSE);
             ::UpdateWindow(meter);
         }
     },
     {}},
    {"bars",
     [](HWND) {
         ++g_floor.ticks;
         SetFloorBars();
         for (HWND bar : g_floor.bars)
             ::UpdateWindow(bar);
     },
     {}},
};

void Measure()
{
    HWND hwnd = g_main->m_hWnd;
    // Only the calls below refresh: the window's own tick is stopped.
    ::KillTimer(hwnd, 1);
    CreateFloor();
    PumpMessages();
    for (int round = 0; round < g_rounds; ++round) {
        for (Variant& v : g_variants) {
            const double refresh = TimeCalls(g_calls, [hwnd, &v] {
                ::SendMessageW(hwnd, WM_TIMER, 1, 0);
                // The tick starts its timer again; only these calls refresh.
                ::KillTimer(hwnd, 1);
                if (v.paint)
                    Paint(hwnd);
            });
            const double floor = TimeCalls(g_calls, [&v] {
                FloorTick();
                if (v.paint)
                    Paint(g_floor.window);
            });
            v.refreshUs.push_back(refresh);
            v.floorUs.push_back(floor);
            v.ratios.push_back(refresh / floor);
        }
        for (Part& part : g_parts)
            part.us.push_back(TimeCalls(g_calls, [hwnd, &part] { part.work(hwnd); }));
        ::KillTimer(hwnd, 1);
    }
    ::DestroyWindow(g_floor.window);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        g_calls = std::max(1, std::atoi(argv[1]));
    if (argc > 2)
        g_rounds = std::max(1, std::atoi(argv[2]));
    ::QueryPerformanceFrequency(&g_frequency);

    CMainDialog dlg;
    g_main = &dlg;
    RunModal(dlg, &Measure);
    for (const Variant& v : g_variants)
        std::printf("%s %.2f %.2f %.3f\n", v.name, Median(v.refreshUs), Median(v.floorUs), Median(v.ratios));
    for (const Part& part : g_parts)
        std::printf("part %s %.2f\n", part.name, Median(part.us));
    return 0;
}
