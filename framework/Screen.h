// Places on the screen in pixels, without <windows.h>: the rules that
// place windows compute with these and are tested natively.
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

// The top-left corner of a window `width` by `height` centred over `over`,
// then moved as little as need be to lie inside `work`. One larger than the
// work area keeps its left and top edges on it, where its caption and
// first controls are.
ScreenPoint CenterInside(const ScreenRect& over, int width, int height, const ScreenRect& work);
