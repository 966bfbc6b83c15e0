// What the statistics panel shows, computed from one memory reading: the
// text lines, the meter positions, the level icon and the trigger test.
// Byte figures come in the platform's width (32-bit or 64-bit).
#pragma once

#include <cstdint>
#include <string>

#include "i18n/TextFormat.h"
#include "measure/MemoryUnits.h"
#include "measure/Percent.h"

// Time since Windows started as "DD/HH:MM:SS " (with the trailing blank),
// from the system tick count in milliseconds.
std::string FormatUptime(std::uint32_t tickCountMs);

template <typename Bytes>
std::string FreeRamLine(const std::string& label, Bytes availPhys, const std::string& kbUnit)
{
    return JoinWords(label, FormatThousands(static_cast<long long>(Kilobytes(availPhys))), kbUnit);
}

// Shown while an optimization runs.
inline std::string FreeRamPlaceholderLine(const std::string& label, const std::string& kbUnit)
{
    return JoinWords(label, "0", kbUnit);
}

// Whole megabytes rounded down, plus one.
template <typename Bytes>
std::string TotalRamLine(const std::string& label, Bytes totalPhys, const std::string& mbUnit)
{
    return JoinWords(label, FormatThousands(static_cast<long long>(Megabytes(totalPhys)) + 1), mbUnit);
}

std::string PageFileText(const std::string& label, unsigned long long usedMb, unsigned long long totalMb,
                         const std::string& mbUnit);

// "used MB / total MB"; the used bytes are the difference in the platform's
// width, taken before the shift.
template <typename Bytes>
std::string PageFileLine(const std::string& label, Bytes totalPageFile, Bytes availPageFile, const std::string& mbUnit)
{
    const Bytes used = static_cast<Bytes>(totalPageFile - availPageFile);
    return PageFileText(label, Megabytes(used), Megabytes(totalPageFile), mbUnit);
}

inline std::string PageFilePlaceholderLine(const std::string& label, const std::string& mbUnit)
{
    return PageFileText(label, 0, 0, mbUnit);
}

inline std::string UptimeLine(const std::string& label, const std::string& uptime)
{
    return label + " " + uptime;
}

// Free physical memory in percent, untruncated.
template <typename Bytes>
double FreePercent(Bytes availPhys, Bytes totalPhys)
{
    return totalPhys == 0 ? 0.0 : static_cast<double>(availPhys) / static_cast<double>(totalPhys) * 100.0;
}

// Used share of the page file in percent; an empty meter when the system
// reports no page file at all.
template <typename Bytes>
std::int32_t PageFileUsedPercent(Bytes availPageFile, Bytes totalPageFile)
{
    if (totalPageFile == 0)
        return 0;
    CPercent percent;
    return 100 - percent.Calc(availPageFile, totalPageFile);
}

enum class LevelIcon { AutoOff, Red, Yellow, Green };

// Red below 12 percent free, green from 67 percent, yellow in between; the
// auto-off icon whenever automatic optimization is off (trigger level 0).
LevelIcon ChooseLevelIcon(std::int32_t triggerLevelMb, double freePercent);

// Whether the refresh tick asks for an optimization: a trigger level above
// 0 and fewer whole free megabytes than it (equal is not less).
template <typename Bytes>
bool TriggerReached(std::int32_t triggerLevelMb, Bytes availPhys)
{
    return triggerLevelMb > 0 && Megabytes(availPhys) < static_cast<unsigned long long>(triggerLevelMb);
}
