#include "StatsText.h"

#include <cstdio>

std::string FormatUptime(std::uint32_t tickCountMs)
{
    const std::uint32_t s = tickCountMs / 1000;
    char text[40];
    std::snprintf(text, sizeof text, "%02u/%02u:%02u:%02u ", static_cast<unsigned>(s / 86400),
                  static_cast<unsigned>((s / 3600) % 24), static_cast<unsigned>((s / 60) % 60),
                  static_cast<unsigned>(s % 60));
    return text;
}

std::string PageFileText(const std::string& label, unsigned long long usedMb, unsigned long long totalMb,
                         const std::string& mbUnit)
{
    return label + " " + std::to_string(usedMb) + " " + mbUnit + " / " + std::to_string(totalMb) + " " + mbUnit;
}

LevelIcon ChooseLevelIcon(std::int32_t triggerLevelMb, double freePercent)
{
    if (triggerLevelMb == 0)
        return LevelIcon::AutoOff;
    if (freePercent < 12.0)
        return LevelIcon::Red;
    if (freePercent >= 67.0)
        return LevelIcon::Green;
    return LevelIcon::Yellow;
}
