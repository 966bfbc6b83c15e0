#include "WindowPlacement.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The least shift of [begin, end) that makes it overlap [low, high) by at
// least `need`, which neither is shorter than.
int Shift(int begin, int end, int low, int high, int need)
{
    if (end < low + need)
        return low + need - end;
    if (begin > high - need)
        return high - need - begin;
    return 0;
}

}  // namespace

ScreenPoint KeepCaptionGraspable(ScreenPoint at, const CaptionGeometry& caption,
                                 const std::vector<ScreenRect>& workAreas)
{
    // No work area lies this far out; the bound keeps the sums below from
    // overflowing for a position read from a hand-edited file.
    const int kFar = 1 << 28;
    const ScreenPoint from = {std::clamp(at.x, -kFar, kFar), std::clamp(at.y, -kFar, kFar)};
    const int height = std::max(1, caption.height);
    const int top = from.y + caption.top;
    const int left = from.x + caption.grabLeft;
    const int right = std::max(from.x + caption.grabRight, left + 1);
    const int wide = std::min(2 * height, right - left);
    const int rows = (height + 2) / 3;
    // Rows and columns each as far as the work area has them.
    const auto shifts = [&](const ScreenRect& area, int needRows) {
        return ScreenPoint{Shift(left, right, area.left, area.right, std::min(wide, area.right - area.left)),
                           Shift(top, top + height, area.top, area.bottom, std::min(needRows, area.bottom - area.top))};
    };
    for (const ScreenRect& area : workAreas) {
        const ScreenPoint d = shifts(area, rows);
        if (d.x == 0 && d.y == 0)
            return at;
    }
    ScreenPoint best = at;
    long long bestDistance = -1;
    for (const ScreenRect& area : workAreas) {
        const ScreenPoint d = shifts(area, height);
        const long long distance = std::llabs(d.x) + std::llabs(d.y);
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = {from.x + d.x, from.y + d.y};
        }
    }
    return best;
}

int CaptionEdge(const std::function<bool(int)>& isCaption, int guess, bool begins, int reach)
{
    const auto inside = [&](int i) { return isCaption(i) == begins; };
    int i = guess;
    while (!inside(i)) {
        if (++i >= guess + reach)
            return guess;
    }
    for (;; --i) {
        if (i <= guess - reach)
            return guess;
        if (!inside(i - 1))
            return i;
    }
}
