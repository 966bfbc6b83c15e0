#include "MemoryStatus.h"

SIZE_T CMemoryStatus::Refresh()
{
    MEMORYSTATUS status;
    status.dwLength = sizeof status;
    ::GlobalMemoryStatus(&status);
    dwMemoryLoad = status.dwMemoryLoad;
    dwTotalPhys = status.dwTotalPhys;
    dwAvailPhys = status.dwAvailPhys;
    dwTotalPageFile = status.dwTotalPageFile;
    dwAvailPageFile = status.dwAvailPageFile;
    dwTotalVirtual = status.dwTotalVirtual;
    dwAvailVirtual = status.dwAvailVirtual;
    return dwAvailPhys;
}
