#include "WorkArea.h"

namespace {

// The one place that asks the system for a monitor's areas. Should the
// monitor be gone by now, the primary one's work area stands for both.
MonitorAreas AreasOf(HMONITOR handle)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (handle != nullptr && ::GetMonitorInfoW(handle, &info))
        return {ToScreenRect(info.rcMonitor), ToScreenRect(info.rcWork)};
    RECT work = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {ToScreenRect(work), ToScreenRect(work)};
}

BOOL CALLBACK AddWorkArea(HMONITOR handle, HDC, LPRECT, LPARAM areas)
{
    reinterpret_cast<std::vector<ScreenRect>*>(areas)->push_back(AreasOf(handle).work);
    return TRUE;
}

}  // namespace

MonitorAreas MonitorAreasOf(HWND hwnd)
{
    // The primary monitor is the one whose top-left corner is the screen's
    // origin.
    const POINT origin = {0, 0};
    return AreasOf(hwnd != nullptr ? ::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST)
                                   : ::MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY));
}

MonitorAreas MonitorAreasOf(const RECT& rect)
{
    return AreasOf(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST));
}

std::vector<ScreenRect> WorkAreas()
{
    std::vector<ScreenRect> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}
