// Where the main window may open: at least its caption bar on a monitor's
// work area, so that it can always be seen and moved.
#pragma once

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

// The top-left corner for `window` that puts its caption bar (the top
// captionHeight pixels) wholly on workArea, moved as little as possible; a
// window wider than the work area starts at its left edge.
ScreenPoint KeepCaptionOnWorkArea(const ScreenRect& window, int captionHeight, const ScreenRect& workArea);
