#include "Dpi.h"

#include "framework/Handle.h"

namespace {

HMODULE User32()
{
    static const HMODULE user32 = ::GetModuleHandleW(L"user32");
    return user32;
}

}  // namespace

UINT WindowDpi(HWND hwnd)
{
    typedef UINT(WINAPI * DpiForWindowFn)(HWND);
    static const auto dpiForWindow = ProcAddress<DpiForWindowFn>(User32(), "GetDpiForWindow");
    return dpiForWindow != nullptr ? dpiForWindow(hwnd) : 0;
}

int MetricForDpi(int index, UINT dpi)
{
    typedef int(WINAPI * MetricsForDpiFn)(int, UINT);
    static const auto metricsForDpi = ProcAddress<MetricsForDpiFn>(User32(), "GetSystemMetricsForDpi");
    return dpi != 0 && metricsForDpi != nullptr ? metricsForDpi(index, dpi) : ::GetSystemMetrics(index);
}
