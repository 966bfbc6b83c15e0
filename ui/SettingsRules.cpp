#include "SettingsRules.h"

#include "measure/Percent.h"

std::string ValueLabel(std::int32_t value, std::uint64_t totalMb, const std::string& unit)
{
    CPercent percent;
    // Slider positions are never negative; a negative one shares nothing.
    const std::int32_t share = percent.Calc(value > 0 ? static_cast<std::uint64_t>(value) : 0, totalMb);
    return std::to_string(value) + " " + unit + "  (" + std::to_string(share) + "%)";
}
