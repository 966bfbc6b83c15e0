#include "WindowPlace.h"

#include <algorithm>

#include "framework/Dpi.h"
#include "framework/WorkArea.h"

namespace {

// The caption's height at the window's own DPI, which differs from the
// system's on a monitor of another scale.
int CaptionHeight(HWND hwnd)
{
    return MetricForDpi(SM_CYCAPTION, WindowDpi(hwnd));
}

// WM_GETTITLEBARINFOEX (Windows Vista and later): the caption buttons'
// rectangles as drawn, which the system metrics do not give.
const UINT kGetTitleBarInfoEx = 0x033F;
struct TitleBarInfoEx {
    DWORD cbSize;
    RECT rcTitleBar;
    DWORD rgstate[CCHILDREN_TITLEBAR + 1];
    RECT rgrect[CCHILDREN_TITLEBAR + 1];
};

// Where the caption buttons begin, guessed from what the system tells.
int ButtonsLeft(HWND hwnd, const TITLEBARINFO& bar)
{
    TitleBarInfoEx ex{};
    ex.cbSize = sizeof ex;
    const bool drawn = ::SendMessageW(hwnd, kGetTitleBarInfoEx, 0, reinterpret_cast<LPARAM>(&ex)) != 0;
    int left = bar.rcTitleBar.right;
    // The minimize, maximize, help and close buttons.
    for (int i = 2; i <= CCHILDREN_TITLEBAR; ++i) {
        if (bar.rgstate[i] & STATE_SYSTEM_INVISIBLE)
            continue;
        left = drawn ? std::min<int>(left, ex.rgrect[i].left) : left - ::GetSystemMetrics(SM_CXSIZE);
    }
    return left;
}

// Whether a press at (x, y) would move the window.
bool IsCaption(HWND hwnd, int x, int y)
{
    return ::SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCAPTION;
}

// The caption of the window, which must not be minimized.
CaptionGeometry MeasureCaption(HWND hwnd)
{
    RECT window;
    ::GetWindowRect(hwnd, &window);
    const int height = CaptionHeight(hwnd);
    // The system's account of the caption, from the end of the system icon
    // to the window's edge (its buttons included), as the first guess.
    TITLEBARINFO bar{};
    bar.cbSize = sizeof bar;
    if (!::GetTitleBarInfo(hwnd, &bar)) {
        const int frame = ::GetSystemMetrics(SM_CYFIXEDFRAME);
        bar.rcTitleBar = {window.left + frame, window.top + frame, window.right - frame, window.top + frame + height};
    }
    int top = bar.rcTitleBar.top;
    int left = bar.rcTitleBar.left;
    int right = ButtonsLeft(hwnd, bar);
    // Then the window itself answers, near those guesses, where a press
    // moves it: the frame, icon and buttons drawn by a theme may differ
    // from the metrics. A hit test takes 16-bit coordinates.
    const auto fits = [](LONG v) { return v >= -32768 && v <= 32767; };
    if (fits(window.left) && fits(window.top) && fits(window.right) && fits(window.bottom)) {
        const int reach = 4 * height;
        const int middle = (left + right) / 2;
        top = CaptionEdge([&](int y) { return IsCaption(hwnd, middle, y); }, top, true, reach);
        const auto across = [&](int x) { return IsCaption(hwnd, x, top + height / 2); };
        left = CaptionEdge(across, left, true, reach);
        right = CaptionEdge(across, right, false, reach);
    }
    return {top - window.top, height, left - window.left, right - window.left};
}

}  // namespace

void KeepCaptionOnWorkArea(HWND hwnd)
{
    const std::vector<ScreenRect> areas = WorkAreas();
    // A move onto a monitor of another DPI scales the window, its frame and
    // its caption: they are measured again where it lands.
    for (int round = 0; round < 3; ++round) {
        RECT rect;
        ::GetWindowRect(hwnd, &rect);
        const ScreenPoint at = KeepCaptionGraspable({rect.left, rect.top}, MeasureCaption(hwnd), areas);
        if (at.x == rect.left && at.y == rect.top)
            return;
        ::SetWindowPos(hwnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void OpenAt(HWND hwnd, HWND insertAfter, ScreenPoint stored)
{
    ::SetWindowPos(hwnd, insertAfter, stored.x, stored.y, 0, 0, SWP_NOSIZE);
    // A monitor removed, a lower resolution or a hand-edited file must not
    // open the window where nobody can grab it; anywhere else it stays.
    KeepCaptionOnWorkArea(hwnd);
}

void TakeSuggestedPlace(HWND hwnd, const RECT& suggested)
{
    // A minimized window (in the tray too) keeps its place: moved, it would
    // show on the screen as a caption alone. Its normal place stays.
    if (::IsIconic(hwnd))
        return;
    ::SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    KeepCaptionOnWorkArea(hwnd);
}

bool NormalPosition(HWND hwnd, ScreenPoint& at)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!::GetWindowPlacement(hwnd, &placement))
        return false;
    // The placement answers in work-area coordinates, which differ from the
    // screen's when the taskbar is at the top or left.
    const MonitorAreas areas = MonitorAreasOf(placement.rcNormalPosition);
    at = {placement.rcNormalPosition.left + areas.work.left - areas.monitor.left,
          placement.rcNormalPosition.top + areas.work.top - areas.monitor.top};
    return true;
}
