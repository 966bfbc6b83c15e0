// The processor-load sampler: the 9x family's performance counter in the
// dynamic registry, the NT family's idle time between two samples.
#pragma once

#include <windows.h>

#include "measure/CpuLoad.h"

// Records of NtQuerySystemInformation, in their first (Windows XP) forms.
// Their sizes follow the platform: 44, 32 and 312 bytes in a 32-bit
// program.
struct SystemBasicInformation {
    ULONG Reserved;
    ULONG TimerResolution;
    ULONG PageSize;
    ULONG NumberOfPhysicalPages;
    ULONG LowestPhysicalPageNumber;
    ULONG HighestPhysicalPageNumber;
    ULONG AllocationGranularity;
    ULONG_PTR MinimumUserModeAddress;
    ULONG_PTR MaximumUserModeAddress;
    ULONG_PTR ActiveProcessorsAffinityMask;
    CHAR NumberOfProcessors;
};

struct SystemTimeOfDayInformation {
    LARGE_INTEGER BootTime;
    LARGE_INTEGER CurrentTime;
    LARGE_INTEGER TimeZoneBias;
    ULONG CurrentTimeZoneId;
    ULONG Reserved;
};

struct SystemPerformanceInformation {
    LARGE_INTEGER IdleProcessTime;
    LARGE_INTEGER IoReadTransferCount;
    LARGE_INTEGER IoWriteTransferCount;
    LARGE_INTEGER IoOtherTransferCount;
    ULONG Counters[70];  // operation counts, page and pool figures
};

class CCpuUsage {
public:
    // The load in percent; 0 when it cannot be measured.
    int GetCpuUsage();

private:
    int GetCpuUsage9x();
    int GetCpuUsageNt();

    // Shared by every instance: the program samples from one place.
    static FARPROC s_pfnQuery;
    static LONG s_lastStatus;
    static SystemBasicInformation s_basic;
    static SystemTimeOfDayInformation s_timeOfDay;
    static SystemPerformanceInformation s_performance;
    static CpuSampleState s_state;
};

// The program's sampler.
extern CCpuUsage g_cpuUsage;
