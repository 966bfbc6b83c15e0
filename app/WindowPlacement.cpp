#include "WindowPlacement.h"

#include <algorithm>

ScreenPoint KeepCaptionOnWorkArea(const ScreenRect& window, int captionHeight, const ScreenRect& workArea)
{
    const int width = window.right - window.left;
    const int x = std::max(workArea.left, std::min(window.left, workArea.right - width));
    const int y = std::max(workArea.top, std::min(window.top, workArea.bottom - captionHeight));
    return {x, y};
}
