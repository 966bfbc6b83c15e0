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

namespace {

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsLeadSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsTrailSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::string Utf8FromUtf16Bytes(const std::string& bytes, bool bigEndian)
{
    const std::size_t count = bytes.size() / 2;
    const auto unit = [&](std::size_t i) {
        const unsigned char first = static_cast<unsigned char>(bytes[2 * i]);
        const unsigned char second = static_cast<unsigned char>(bytes[2 * i + 1]);
        return static_cast<char32_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t c = unit(i);
        if (IsLeadSurrogate(c) && i + 1 < count && IsTrailSurrogate(unit(i + 1))) {
            AppendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
            ++i;
        } else {
            AppendUtf8(out, IsLeadSurrogate(c) || IsTrailSurrogate(c) ? 0xFFFD : c);
        }
    }
    return out;
}
