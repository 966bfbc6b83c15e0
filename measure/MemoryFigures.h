// One reading of the system's memory figures: the load in percent and the
// byte counts in the platform's width (the 32-bit build's unsigned 32-bit
// figures, the 64-bit build's wider ones).
#pragma once

#include <cstdint>

template <typename Bytes>
struct MemoryFigures {
    std::uint32_t dwMemoryLoad = 0;
    Bytes dwTotalPhys = 0;
    Bytes dwAvailPhys = 0;
    Bytes dwTotalPageFile = 0;
    Bytes dwAvailPageFile = 0;
    Bytes dwTotalVirtual = 0;
    Bytes dwAvailVirtual = 0;
};
