#include "IniGrammar.h"

#include "framework/Utf8.h"

namespace {

bool IsBlank(unsigned unit)
{
    return unit == ' ' || unit == '\t';
}

bool IsLineEnd(unsigned unit)
{
    return unit == '\r' || unit == '\n';
}

// [begin, end) without the blanks around it.
IniRange Trimmed(const IniUnits& text, std::size_t begin, std::size_t end)
{
    while (begin < end && IsBlank(text.At(begin)))
        ++begin;
    while (end > begin && IsBlank(text.At(end - 1)))
        --end;
    return {begin, end};
}

// The first unit c in [begin, end), or end.
std::size_t Find(const IniUnits& text, unsigned c, std::size_t begin, std::size_t end)
{
    while (begin < end && text.At(begin) != c)
        ++begin;
    return begin;
}

}  // namespace

IniUnits::IniUnits(const std::string& file) : m_file(file)
{
    if (file.compare(0, 2, "\xFF\xFE") == 0 || file.compare(0, 2, "\xFE\xFF") == 0) {
        m_mark = 2;
        m_width = 2;
        m_bigEndian = file[0] == '\xFE';
    } else if (file.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        m_mark = 3;
    }
}

unsigned IniUnits::At(std::size_t unit) const
{
    const std::size_t at = Offset(unit);
    const auto byte = [this](std::size_t i) { return static_cast<unsigned char>(m_file[i]); };
    if (m_width == 1)
        return byte(at);
    return m_bigEndian ? byte(at) << 8 | byte(at + 1) : byte(at + 1) << 8 | byte(at);
}

std::string IniUnits::Text(IniRange range) const
{
    // A range never splits a surrogate pair: an ASCII unit or the file's
    // end borders it.
    const std::string bytes = m_file.substr(Offset(range.begin), Offset(range.end) - Offset(range.begin));
    return m_width == 1 ? bytes : Utf8FromUtf16Bytes(bytes, m_bigEndian);
}

std::string IniUnits::Encode(const std::string& ascii) const
{
    if (m_width == 1)
        return ascii;
    std::string units;
    for (const char c : ascii) {
        units += m_bigEndian ? '\0' : c;
        units += m_bigEndian ? c : '\0';
    }
    return units;
}

IniLine ScanIniLine(const IniUnits& text, std::size_t start)
{
    IniLine line;
    std::size_t stop = start;
    while (stop < text.Size() && !IsLineEnd(text.At(stop)))
        ++stop;
    std::size_t next = stop;
    if (next < text.Size())
        next += text.At(next) == '\r' && next + 1 < text.Size() && text.At(next + 1) == '\n' ? 2 : 1;
    line.ending = {stop, next};

    const IniRange content = Trimmed(text, start, stop);
    if (content.Empty())
        return line;
    if (text.At(content.begin) == '[') {
        line.kind = IniLineKind::Header;
        line.name = Trimmed(text, content.begin + 1, Find(text, ']', content.begin + 1, content.end));
        return line;
    }
    const std::size_t equals = Find(text, '=', content.begin, content.end);
    if (equals == content.end)
        return line;
    line.kind = IniLineKind::Key;
    line.name = Trimmed(text, content.begin, equals);
    line.value = Trimmed(text, equals + 1, content.end);
    return line;
}

std::string IniLower(std::string name)
{
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return name;
}
