#include "SettingsDefaults.h"

std::int32_t ProfileInt(const std::string* text, std::int32_t defaultValue)
{
    if (text == nullptr || text->empty())
        return defaultValue;
    std::size_t i = 0;
    while (i < text->size() && ((*text)[i] == ' ' || (*text)[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text->size() && ((*text)[i] == '-' || (*text)[i] == '+'))
        negative = (*text)[i++] == '-';
    std::uint32_t value = 0;
    for (; i < text->size() && (*text)[i] >= '0' && (*text)[i] <= '9'; ++i)
        value = value * 10u + static_cast<std::uint32_t>((*text)[i] - '0');
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}
