#include "Screen.h"

namespace {

// The start of a span `length` long centred on [low, high), moved inside
// [workLow, workHigh): its far end first, so that its near end wins.
int CenterSpan(int low, int high, int length, int workLow, int workHigh)
{
    // In 64 bits: far-apart edges do not overflow.
    long long start = low + (static_cast<long long>(high) - low - length) / 2;
    if (start + length > workHigh)
        start = static_cast<long long>(workHigh) - length;
    if (start < workLow)
        start = workLow;
    return static_cast<int>(start);
}

}  // namespace

ScreenPoint CenterInside(const ScreenRect& over, int width, int height, const ScreenRect& work)
{
    return {CenterSpan(over.left, over.right, width, work.left, work.right),
            CenterSpan(over.top, over.bottom, height, work.top, work.bottom)};
}
