// One reading of the system memory status.
#pragma once

#include <windows.h>

#include "measure/MemoryFigures.h"

class CMemoryStatus : public MemoryFigures<SIZE_T> {
public:
    // Takes a new reading and returns the available physical bytes.
    SIZE_T Refresh();
};
