// One reading of the system memory status.
#pragma once

#include <windows.h>

class CMemoryStatus {
public:
    // Takes a new reading and returns the available physical bytes.
    SIZE_T Refresh();

    MEMORYSTATUS m_status;
    DWORD dwMemoryLoad;
    SIZE_T dwTotalPhys;
    SIZE_T dwAvailPhys;
    SIZE_T dwTotalPageFile;
    SIZE_T dwAvailPageFile;
    SIZE_T dwTotalVirtual;
    SIZE_T dwAvailVirtual;
};
