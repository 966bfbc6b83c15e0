#include "TextFormat.h"

#include <algorithm>

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
