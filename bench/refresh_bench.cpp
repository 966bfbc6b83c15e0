// The cost of one refresh tick of the main window, in-process (its
// WM_TIMER: one reading, the view, and what changed shown) against the least
// a refresh must do (one memory reading and four label texts), both on the
// same live dialog.
//   refresh_bench.exe [CALLS [ROUNDS]]
// Each round times CALLS refreshes and CALLS baseline refreshes, once
// without and once with painting what they changed. Prints per variant the
// median microseconds per call of both and the median of the rounds'
// ratios:  call|paint REFRESH_US BASELINE_US RATIO
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/MainDialog.h"
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

void BaselineRefresh(HWND dialog)
{
    MEMORYSTATUS ms;
    ms.dwLength = sizeof ms;
    ::GlobalMemoryStatus(&ms);
    const int ids[4] = {IDC_FREERAM_LINE, IDC_TOTALRAM_LINE, IDC_PAGEFILE_LINE, IDC_UPTIME_LINE};
    const unsigned long long figures[4] = {ms.dwAvailPhys >> 10, ms.dwTotalPhys >> 20,
                                           (ms.dwTotalPageFile - ms.dwAvailPageFile) >> 20, ::GetTickCount() / 1000};
    for (int i = 0; i < 4; ++i) {
        char text[64];
        std::snprintf(text, sizeof text, "Figure %llu", figures[i]);
        ::SetDlgItemTextA(dialog, ids[i], text);
    }
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
    std::vector<double> refreshUs, baselineUs, ratios;
};

// Microseconds per call of `refresh`, painting after each call when asked.
template <typename Refresh>
double TimeCalls(HWND dialog, int calls, bool paint, Refresh refresh)
{
    const double start = NowUs();
    for (int i = 0; i < calls; ++i) {
        refresh();
        if (paint)
            ::RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    return (NowUs() - start) / calls;
}

int g_calls = 2000;
int g_rounds = 7;
Variant g_variants[2] = {{"call", false, {}, {}, {}}, {"paint", true, {}, {}, {}}};
CMainDialog* g_main = nullptr;

void Measure()
{
    HWND hwnd = g_main->m_hWnd;
    // Only the calls below refresh: the window's own tick is stopped.
    ::KillTimer(hwnd, 1);
    PumpMessages();
    for (int round = 0; round < g_rounds; ++round) {
        for (Variant& v : g_variants) {
            const double refresh = TimeCalls(hwnd, g_calls, v.paint, [hwnd] {
                ::SendMessageW(hwnd, WM_TIMER, 1, 0);
                // The tick starts its timer again; only these calls refresh.
                ::KillTimer(hwnd, 1);
            });
            const double baseline = TimeCalls(hwnd, g_calls, v.paint, [hwnd] { BaselineRefresh(hwnd); });
            v.refreshUs.push_back(refresh);
            v.baselineUs.push_back(baseline);
            v.ratios.push_back(refresh / baseline);
        }
    }
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
        std::printf("%s %.2f %.2f %.3f\n", v.name, Median(v.refreshUs), Median(v.baselineUs), Median(v.ratios));
    return 0;
}
