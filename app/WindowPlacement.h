// Where the main window may open: anywhere its caption bar can be grabbed,
// so that it can always be seen and moved.
#pragma once

#include <vector>

struct ScreenRect {
    int left;
    int top;
    int right;
    int bottom;
};

struct ScreenPoint {
    int x;
    int y;
};

// The top-left corner for `window`, whose caption bar is its top
// captionHeight pixels: where it is, when a part of the caption bar that the
// user can grab lies on one of the work areas (a strip two caption heights
// wide, or the window's width when less, and a third of the caption high);
// else moved just so far that such a part lies on the nearest one. A window
// spread over two monitors stays where it is.
ScreenPoint KeepCaptionGraspable(const ScreenRect& window, int captionHeight, const std::vector<ScreenRect>& workAreas);
