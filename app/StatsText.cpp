#include "StatsText.h"

namespace {

// "%02u" for the values below 100 it is given (a 32-bit tick count ends at
// 49 days). Two characters filled in place: the same text built with
// operator+ makes GCC 12 warn of overlapping copies (-Wrestrict) at -O2.
std::string TwoDigits(std::uint32_t value)
{
    std::string digits(2, '0');
    digits[0] = static_cast<char>('0' + value / 10 % 10);
    digits[1] = static_cast<char>('0' + value % 10);
    return digits;
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
