#include "Percent.h"

std::int32_t CPercent::Calc(std::uint64_t part, std::uint64_t whole)
{
    m_dValue = whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole) * 100.0;
    return static_cast<std::int32_t>(m_dValue);
}
