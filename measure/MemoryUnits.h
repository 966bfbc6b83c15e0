// Byte figures in the units the program shows: whole kilobytes and whole
// megabytes, rounded down, in the platform's width; and one reading as the
// main window shows it.
#pragma once

#include <cstdint>

#include "measure/MemoryFigures.h"
#include "measure/Percent.h"

template <typename Bytes>
constexpr unsigned long long Kilobytes(Bytes bytes)
{
    return static_cast<unsigned long long>(bytes >> 10);
}

template <typename Bytes>
constexpr unsigned long long Megabytes(Bytes bytes)
{
    return static_cast<unsigned long long>(bytes >> 20);
}

// One reading in the units the main window shows, converted once.
struct ShownFigures {
    unsigned long long freeKb = 0;
    unsigned long long totalMb = 0;
    unsigned long long pageFileUsedMb = 0;
    unsigned long long pageFileTotalMb = 0;
    double freePercent = 0.0;  // untruncated
    std::int32_t pageFileUsedPercent = 0;
    std::uint32_t memoryLoad = 0;
};

// The used page file is the difference in the platform's width, taken
// before the shift; a system without a page file shows it empty rather than
// dividing 0 by 0.
template <typename Bytes>
ShownFigures ShowFigures(const MemoryFigures<Bytes>& memory)
{
    ShownFigures shown;
    shown.freeKb = Kilobytes(memory.dwAvailPhys);
    shown.totalMb = Megabytes(memory.dwTotalPhys);
    shown.pageFileUsedMb = Megabytes(static_cast<Bytes>(memory.dwTotalPageFile - memory.dwAvailPageFile));
    shown.pageFileTotalMb = Megabytes(memory.dwTotalPageFile);
    shown.freePercent = memory.dwTotalPhys == 0
                            ? 0.0
                            : static_cast<double>(memory.dwAvailPhys) / static_cast<double>(memory.dwTotalPhys) * 100.0;
    if (memory.dwTotalPageFile != 0)
        shown.pageFileUsedPercent = 100 - CPercent().Calc(memory.dwAvailPageFile, memory.dwTotalPageFile);
    shown.memoryLoad = memory.dwMemoryLoad;
    return shown;
}
