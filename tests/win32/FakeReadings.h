// Figures the tests hand the main window in place of the system's, and
// icons compared by their pixels.
#pragma once

#include <windows.h>

#include <vector>

#include "app/Readings.h"

namespace win32test {

// A machine of 1 GB with 256.5 MB free (25 %, the yellow level at any
// trigger level above 0), a memory load of 75 %, 512 of 2048 MB of page
// file in use, a processor at 42 % and one day, one hour, one minute and
// one second since the start. The tests change what they need.
class FakeReadings : public CReadings {
public:
    FakeReadings()
    {
        const SIZE_T mb = 1u << 20;
        memory.dwMemoryLoad = 75;
        memory.dwTotalPhys = 1024 * mb;
        memory.dwAvailPhys = 256 * mb + mb / 2;
        memory.dwTotalPageFile = 2048 * mb;
        memory.dwAvailPageFile = 1536 * mb;
    }
    CMemoryStatus Memory() const override { return memory; }
    int CpuLoad() const override { return cpu; }
    DWORD TickCount() const override { return tickCount; }

    CMemoryStatus memory;
    int cpu = 42;
    DWORD tickCount = ((24 + 1) * 3600 + 61) * 1000;
};

// The pixels of an icon's colour bitmap as 0x00RRGGBB; empty when the
// handle is no icon.
std::vector<DWORD> IconPixels(HICON icon);

// Whether `shown` is icon resource `id` at the size of `shown`: the same
// pixels as that image of the resource, whatever the handle.
bool ShowsIcon(HICON shown, int id);

}  // namespace win32test
