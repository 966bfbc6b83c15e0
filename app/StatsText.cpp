#include "StatsText.h"

#include <algorithm>
#include <cmath>

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

std::string FreeRamLine(const std::string& label, unsigned long long freeKb, const std::string& kbUnit)
{
    return JoinWords(label, FormatThousands(static_cast<long long>(freeKb)), kbUnit);
}

std::string FreeRamPlaceholderLine(const std::string& label, const std::string& kbUnit)
{
    return JoinWords(label, "0", kbUnit);
}

std::string TotalRamLine(const std::string& label, unsigned long long totalMb, const std::string& mbUnit)
{
    return JoinWords(label, FormatThousands(static_cast<long long>(totalMb) + 1), mbUnit);
}

std::string PageFileLine(const std::string& label, unsigned long long usedMb, unsigned long long totalMb,
                         const std::string& mbUnit)
{
    return label + " " + std::to_string(usedMb) + " " + mbUnit + " / " + std::to_string(totalMb) + " " + mbUnit;
}

std::string PageFilePlaceholderLine(const std::string& label, const std::string& mbUnit)
{
    return PageFileLine(label, 0, 0, mbUnit);
}

std::string UptimeLine(const std::string& label, const std::string& uptime)
{
    return label + " " + uptime;
}

std::string FormatThousands(long long value)
{
    std::string digits = std::to_string(value);
    const bool negative = !digits.empty() && digits[0] == '-';
    if (negative)
        digits.erase(0, 1);

    std::string grouped;
    int copied = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        grouped += *it;
        if (++copied % 3 == 0 && it + 1 != digits.rend())
            grouped += ',';
    }
    if (negative)
        grouped += '-';
    std::reverse(grouped.begin(), grouped.end());
    return grouped;
}

std::string JoinWords(const std::string& first, const std::string& second, const std::string& third)
{
    return first + " " + second + " " + third;
}

std::string MeterPercentText(int pos, int upper)
{
    // As "%.0f%%" writes it: to the nearest whole number, a half to the
    // even one (the default rounding).
    const double value = upper != 0 ? pos * 100.0 / upper : 0.0;
    return std::to_string(static_cast<long long>(std::nearbyint(value))) + "%";
}
