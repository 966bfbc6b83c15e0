#include "Optimizer.h"

#include "optimizer/OptimizePlan.h"

bool AllocateTouchFree(SIZE_T size)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_FIXED, size);
    if (block == nullptr)
        return false;
    ::GlobalLock(block);
    TouchBlock(block, ::GlobalSize(block));
    ::GlobalUnlock(block);
    ::GlobalFree(block);
    return true;
}
