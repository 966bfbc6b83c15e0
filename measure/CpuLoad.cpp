#include "CpuLoad.h"

#include <cmath>
#include <limits>

OsKind ClassifyVersion(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor)
{
    if (platformId == kPlatformWin9x) {
        if (major != 4)
            return OsKind::None;
        switch (minor) {
        case 0:
            return OsKind::Win95;
        case 10:
            return OsKind::Win98;
        case 90:
            return OsKind::WinME;
        default:
            return OsKind::None;
        }
    }
    if (platformId == kPlatformNT) {
        if (major <= 4)
            return OsKind::WinNT;
        if (major == 5 && minor == 0)
            return OsKind::Win2000;
        if (major == 5 && minor == 1)
            return OsKind::WinXP;
    }
    return OsKind::None;
}

std::int32_t TruncateToInt32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (value <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::int32_t ApplyCpuSample(CpuSampleState& state, std::uint64_t idleTime, std::uint64_t currentTime,
                            std::uint8_t processors)
{
    if (state.prevIdle != 0) {
        const double timeDelta = static_cast<double>(currentTime) - static_cast<double>(state.prevTime);
        const double idleDelta = static_cast<double>(idleTime) - static_cast<double>(state.prevIdle);
        state.timeDelta = timeDelta;
        // No time has passed: nothing to measure, the previous load stands.
        if (timeDelta != 0.0) {
            const double cpus = processors != 0 ? processors : 1;
            state.usage = 100.0 - ((idleDelta / timeDelta) * 100.0 / cpus) + 0.5;
        }
    }
    state.prevIdle = idleTime;
    state.prevTime = currentTime;
    return TruncateToInt32(state.usage);
}
