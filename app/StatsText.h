// The texts of the main window's figures, meters and tray tip, the level
// icon and the trigger test: the formats of the view (MainView).
#pragma once

#include <cstdint>
#include <string>

#include "measure/MemoryUnits.h"

// Decimal text with a comma after every three digits from the right.
std::string FormatThousands(long long value);

// "%s %s %s"
std::string JoinWords(const std::string& first, const std::string& second, const std::string& third);

// Time since Windows started as "DD/HH:MM:SS " (with the trailing blank),
// from the system tick count in milliseconds.
std::string FormatUptime(std::uint32_t tickCountMs);

std::string FreeRamLine(const std::string& label, unsigned long long freeKb, const std::string& kbUnit);

// Shown while an optimization runs.
std::string FreeRamPlaceholderLine(const std::string& label, const std::string& kbUnit);

// Whole megabytes rounded down, plus one.
std::string TotalRamLine(const std::string& label, unsigned long long totalMb, const std::string& mbUnit);

// "used MB / total MB", without group separators.
std::string PageFileLine(const std::string& label, unsigned long long usedMb, unsigned long long totalMb,
                         const std::string& mbUnit);

std::string PageFilePlaceholderLine(const std::string& label, const std::string& mbUnit);

std::string UptimeLine(const std::string& label, const std::string& uptime);

// The meter's text: pos as a whole percentage of upper, and "%".
std::string MeterPercentText(int pos, int upper);

// The tray tip: "Brisklet Free - " followed by text. (The tray cuts it to
// what its tip field holds.)
std::string ComposeTip(const std::string& text);

// The tip right after the icon is added: the free-RAM label, the free
// kilobytes without group separators and the unit word.
std::string FirstTipText(const std::string& freeRamLabel, unsigned long long freeKb, const std::string& kbUnit);

// The tip of every refresh: the free kilobytes with group separators, the
// unit word and the word for "free".
std::string RefreshedTipText(unsigned long long freeKb, const std::string& kbUnit, const std::string& freeWord);

// The window's icons: a level icon, or the busy one during a run.
enum class WindowIcon { AutoOff, Red, Yellow, Green, Busy };

// The level icon: red below 12 percent free, green from 67 percent, yellow
// in between; the auto-off icon whenever automatic optimization is off
// (trigger level 0).
WindowIcon ChooseLevelIcon(std::int32_t triggerLevelMb, double freePercent);

// Whether the refresh tick asks for an optimization: a trigger level above
// 0 and fewer whole free megabytes than it (equal is not less).
template <typename Bytes>
bool TriggerReached(std::int32_t triggerLevelMb, Bytes availPhys)
{
    return triggerLevelMb > 0 && Megabytes(availPhys) < static_cast<unsigned long long>(triggerLevelMb);
}
