// Percentage of a part in a whole, as the meters and value labels show it.
#pragma once

#include <cstdint>

class CPercent {
public:
    // part / whole * 100 in double precision (the division first), stored
    // in m_dValue and returned truncated toward zero. A whole of 0 gives 0.
    std::int32_t Calc(std::uint64_t part, std::uint64_t whole);

    double m_dValue = 0.0;
};
