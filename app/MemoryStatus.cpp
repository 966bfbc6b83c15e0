#include "MemoryStatus.h"

SIZE_T CMemoryStatus::Refresh()
{
    m_status.dwLength = sizeof m_status;
    ::GlobalMemoryStatus(&m_status);
    dwMemoryLoad = m_status.dwMemoryLoad;
    dwTotalPhys = m_status.dwTotalPhys;
    dwAvailPhys = m_status.dwAvailPhys;
    dwTotalPageFile = m_status.dwTotalPageFile;
    dwAvailPageFile = m_status.dwAvailPageFile;
    dwTotalVirtual = m_status.dwTotalVirtual;
    dwAvailVirtual = m_status.dwAvailVirtual;
    return dwAvailPhys;
}
