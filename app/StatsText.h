// The texts of the main window's figures and meters: the formats of the
// view (MainView).
#pragma once

#include <cstdint>
#include <string>

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
