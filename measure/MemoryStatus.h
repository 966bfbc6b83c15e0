// One reading of the system memory status.
#pragma once

#include <windows.h>

class CMemoryStatus {
public:
    // Takes a new reading and returns the available physical bytes.
    SIZE_T Refresh();

    DWORD dwMemoryLoad = 0;
    SIZE_T dwTotalPhys = 0;
    SIZE_T dwAvailPhys = 0;
    SIZE_T dwTotalPageFile = 0;
    SIZE_T dwAvailPageFile = 0;
    SIZE_T dwTotalVirtual = 0;
    SIZE_T dwAvailVirtual = 0;
};
