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

ScreenPoint KeepCaptionGraspable(const ScreenRect& window, int captionHeight, const std::vector<ScreenRect>& workAreas)
{
    const int graspWidth = std::max(1, std::min(2 * captionHeight, window.right - window.left));
    const int graspHeight = std::max(1, captionHeight / 3);
    ScreenPoint best = {window.left, window.top};
    long long bestDistance = -1;
    for (const ScreenRect& area : workAreas) {
        const int dx = Shift(window.left, window.right, area.left, area.right,
                             std::min(graspWidth, area.right - area.left));
        const int dy = Shift(window.top, window.top + captionHeight, area.top, area.bottom,
                             std::min(graspHeight, area.bottom - area.top));
        const long long distance = std::llabs(dx) + std::llabs(dy);
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = {window.left + dx, window.top + dy};
        }
    }
    return best;
}
