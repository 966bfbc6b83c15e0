// The Settings dialog's slider ranges and value labels, from the total
// physical memory.
#pragma once

#include <cstdint>
#include <string>

struct SliderRanges {
    std::int32_t memToFreeMin;
    std::int32_t memToFreeMax;
    std::int32_t triggerMin;
    std::int32_t triggerMax;
};

// Memory to Free: 1 to the total megabytes plus one; Trigger Level: 0 to
// half the total megabytes plus one.
template <typename Bytes>
SliderRanges RangesForMemory(Bytes totalPhys)
{
    return {1, static_cast<std::int32_t>(totalPhys >> 20) + 1, 0, static_cast<std::int32_t>(totalPhys >> 21) + 1};
}

// "%d %s  (%d%%)": the slider's value, the unit word, and the value's share
// of the total megabytes (the division first, truncated).
std::string ValueLabel(std::int32_t value, std::uint64_t totalMb, const std::string& unit);
