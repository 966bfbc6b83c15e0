// The processor-load computation: which Windows family a version belongs
// to, and the load from two samples of the system's idle time.
#pragma once

#include <cstdint>

enum class OsKind { None, Win95, Win98, WinME, WinNT, Win2000, WinXP };

// Platform ids as GetVersionEx reports them.
constexpr std::uint32_t kPlatformWin9x = 1;
constexpr std::uint32_t kPlatformNT = 2;

// The named Windows version for a platform id and version number; None
// for the versions the table does not name.
OsKind ClassifyVersion(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor);

// The sampler's state between two NT-family samples.
struct CpuSampleState {
    double usage = 0.0;          // last load in percent, +0.5 rounding offset included
    double timeDelta = 0.0;      // system-time difference of the last computation
    std::uint64_t prevIdle = 0;  // 0: no previous sample yet
    std::uint64_t prevTime = 0;
};

// Takes one successful sample (accumulated idle time of all processors and
// the system time, both in 100 ns units) and returns the load in percent,
// truncated toward zero. The first sample only records; a sample at the
// same system time as the previous one keeps the previous load.
std::int32_t ApplyCpuSample(CpuSampleState& state, std::uint64_t idleTime, std::uint64_t currentTime,
                            std::uint8_t processors);

// A double truncated toward zero into the int32 range (values beyond it
// are held at its ends).
std::int32_t TruncateToInt32(double value);
