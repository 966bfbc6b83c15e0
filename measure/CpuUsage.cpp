#include "CpuUsage.h"

#include "framework/Handle.h"
#include "measure/OsVersion.h"

#ifndef _WIN64
static_assert(sizeof(SystemBasicInformation) == 44, "basic information record");
#endif
static_assert(sizeof(SystemTimeOfDayInformation) == 32, "time-of-day record");
static_assert(sizeof(SystemPerformanceInformation) == 312, "performance record");

namespace {

typedef LONG(WINAPI* PFN_NT_QUERY_SYSTEM_INFORMATION)(UINT infoClass, PVOID info, ULONG length, PULONG returned);

const UINT kSystemBasicInformation = 0;
const UINT kSystemPerformanceInformation = 2;
const UINT kSystemTimeOfDayInformation = 3;

void ReadCpuCounter(const char* subKey, DWORD* value)
{
    CRegKey key;
    if (::RegOpenKeyExA(HKEY_DYN_DATA, subKey, 0, KEY_ALL_ACCESS, key.Receive()) != ERROR_SUCCESS)
        return;
    DWORD type = REG_BINARY;
    DWORD size = sizeof *value;
    ::RegQueryValueExA(key.Get(), "KERNEL\\CPUUsage", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
}

}  // namespace

FARPROC CCpuUsage::s_pfnQuery = nullptr;
LONG CCpuUsage::s_lastStatus = 0;
SystemBasicInformation CCpuUsage::s_basic{};
SystemTimeOfDayInformation CCpuUsage::s_timeOfDay{};
SystemPerformanceInformation CCpuUsage::s_performance{};
CpuSampleState CCpuUsage::s_state;

CCpuUsage g_cpuUsage;

int CCpuUsage::GetCpuUsage()
{
    COsVersion version;
    version.Detect();
    if (version.IsWin9xFamily())
        return GetCpuUsage9x();
    if (version.IsNtFamily())
        return GetCpuUsageNt();
    return 0;
}

int CCpuUsage::GetCpuUsage9x()
{
    // Reading StartStat starts the counter's collection; StatData then
    // holds the load. 0 when neither can be read.
    DWORD load = 0;
    ReadCpuCounter("PerfStats\\StartStat", &load);
    ReadCpuCounter("PerfStats\\StatData", &load);
    return static_cast<int>(load);
}

int CCpuUsage::GetCpuUsageNt()
{
    s_pfnQuery = ::GetProcAddress(::GetModuleHandleA("ntdll"), "NtQuerySystemInformation");
    if (s_pfnQuery == nullptr)
        return 0;
    auto query = reinterpret_cast<PFN_NT_QUERY_SYSTEM_INFORMATION>(reinterpret_cast<void (*)()>(s_pfnQuery));

    s_lastStatus = query(kSystemBasicInformation, &s_basic, sizeof s_basic, nullptr);
    if (s_lastStatus != 0)
        return 0;
    s_lastStatus = query(kSystemTimeOfDayInformation, &s_timeOfDay, sizeof s_timeOfDay, nullptr);
    if (s_lastStatus != 0)
        return 0;
    s_lastStatus = query(kSystemPerformanceInformation, &s_performance, sizeof s_performance, nullptr);
    if (s_lastStatus != 0)
        return 0;

    return ApplyCpuSample(s_state, static_cast<std::uint64_t>(s_performance.IdleProcessTime.QuadPart),
                          static_cast<std::uint64_t>(s_timeOfDay.CurrentTime.QuadPart),
                          static_cast<std::uint8_t>(s_basic.NumberOfProcessors));
}
