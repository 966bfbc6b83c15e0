// Where the main window's figures come from: the system, or what a test
// hands the window instead.
#pragma once

#include <windows.h>

#include "measure/MemoryStatus.h"

class CReadings {
public:
    virtual ~CReadings() = default;
    // One memory reading.
    virtual CMemoryStatus Memory() const;
    // The processor load in percent, from the program's one sampler.
    virtual int CpuLoad() const;
    // Milliseconds since the system started.
    virtual DWORD TickCount() const;
};
