#include "Percent.h"

#include "measure/CpuLoad.h"

std::int32_t CPercent::Calc(std::uint64_t part, std::uint64_t whole)
{
    m_dValue = whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole) * 100.0;
    // A part more than 21 million times its whole would overflow the
    // conversion: it is held at the int32 limit.
    return TruncateToInt32(m_dValue);
}
