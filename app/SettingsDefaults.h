// The settings' computed defaults and how values are written to the file.
#pragma once

#include <cstdint>
#include <string>

// One third of the whole megabytes of physical memory.
template <typename Bytes>
std::int32_t DefaultMemToFree(Bytes totalPhys)
{
    return static_cast<std::int32_t>((totalPhys >> 20) / 3);
}

// One thirty-second of the whole megabytes, at least 1.
template <typename Bytes>
std::int32_t DefaultTriggerLevel(Bytes totalPhys)
{
    const Bytes level = totalPhys >> 25;
    return level < 1 ? 1 : static_cast<std::int32_t>(level);
}

// Flags are written as "1" or "0".
inline const char* FlagText(int flag)
{
    return flag != 0 ? "1" : "0";
}

// A value as the system's profile functions read an integer: the default
// when the key is missing or empty, else the decimal number its text begins
// with (blanks and a sign before it allowed), 0 when there is none; the
// digits wrap around at 32 bits, so that "4294967295" reads as -1.
std::int32_t ProfileInt(const std::string* text, std::int32_t defaultValue);
