#include "Utf8.h"

namespace {

// The length in bytes of the UTF-8 character at text[i] (1 for a byte that
// starts none) and its UTF-16 units.
void Character(const std::string& text, std::size_t i, std::size_t& bytes, std::size_t& units)
{
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    bytes = 1;
    units = 1;
    if (length == 1 || i + length > text.size())
        return;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return;
    }
    bytes = length;
    units = length == 4 ? 2 : 1;
}

}  // namespace

std::size_t Utf16Length(const std::string& utf8)
{
    std::size_t total = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t bytes, units;
        Character(utf8, i, bytes, units);
        i += bytes;
        total += units;
    }
    return total;
}

std::string CutToUtf16Units(const std::string& text, std::size_t maxUnits)
{
    std::size_t used = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t bytes, units;
        Character(text, i, bytes, units);
        if (used + units > maxUnits)
            break;
        used += units;
        i += bytes;
    }
    return text.substr(0, i);
}
