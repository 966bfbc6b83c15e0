#include "Readings.h"

#include "measure/CpuUsage.h"

CMemoryStatus CReadings::Memory() const
{
    CMemoryStatus ms;
    ms.Refresh();
    return ms;
}

int CReadings::CpuLoad() const
{
    return g_cpuUsage.GetCpuUsage();
}

DWORD CReadings::TickCount() const
{
    return ::GetTickCount();
}
