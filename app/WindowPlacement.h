// Where the main window may open: anywhere its caption can be grabbed, so
// that it can always be seen and moved.
#pragma once

#include <functional>
#include <vector>

#include "framework/Screen.h"

// A window's caption as measured on the window, in pixels from its top-left
// corner: the caption's rows begin below the top frame, and only the stretch
// between the system icon and the caption buttons moves the window when
// dragged.
struct CaptionGeometry {
    int top;       // the top frame's height
    int height;    // the caption's height
    int grabLeft;  // the stretch, [grabLeft, grabRight)
    int grabRight;
};

// The top-left corner for a window at `at`. It stays where it is when one
// work area holds a third of the caption's height over a stretch two caption
// heights wide (the whole stretch when narrower). Else it moves just so far
// that the caption's whole height and such a stretch lie on the work area
// nearest to it.
ScreenPoint KeepCaptionGraspable(ScreenPoint at, const CaptionGeometry& caption,
                                 const std::vector<ScreenRect>& workAreas);

// Along one line of a window (a row or a column), from `guess`, the nearest
// place where the caption begins (`begins`: its first point) or ends (the
// first point after it), by what `isCaption` answers for each point; looked
// for no further than `reach`, and the guess when there is none.
int CaptionEdge(const std::function<bool(int)>& isCaption, int guess, bool begins, int reach);
