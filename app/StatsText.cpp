#include "StatsText.h"

namespace {

// "%02u"
std::string TwoDigits(std::uint32_t value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string FormatUptime(std::uint32_t tickCountMs)
{
    const std::uint32_t s = tickCountMs / 1000;
    return TwoDigits(s / 86400) + "/" + TwoDigits((s / 3600) % 24) + ":" + TwoDigits((s / 60) % 60) + ":" +
           TwoDigits(s % 60) + " ";
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
