#include "IniWrite.h"

namespace {

// The file's text after its mark as code units: bytes, or UTF-16 units in
// the file's byte order. The marks are those CIniText knows.
class Units {
public:
    explicit Units(const std::string& bytes) : m_bytes(bytes)
    {
        if (BeginsWith("\xFF\xFE") || BeginsWith("\xFE\xFF")) {
            m_mark = 2;
            m_width = 2;
            m_bigEndian = m_bytes[0] == '\xFE';
        } else if (BeginsWith("\xEF\xBB\xBF")) {
            m_mark = 3;
        }
    }

    bool Whole() const { return (m_bytes.size() - m_mark) % m_width == 0; }
    std::size_t Size() const { return (m_bytes.size() - m_mark) / m_width; }
    std::size_t Offset(std::size_t unit) const { return m_mark + unit * m_width; }

    unsigned At(std::size_t unit) const
    {
        const std::size_t at = Offset(unit);
        const auto byte = [this](std::size_t i) { return static_cast<unsigned char>(m_bytes[i]); };
        if (m_width == 1)
            return byte(at);
        return m_bigEndian ? byte(at) << 8 | byte(at + 1) : byte(at + 1) << 8 | byte(at);
    }

    // ASCII text in the file's encoding.
    std::string Encode(const std::string& ascii) const
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

private:
    bool BeginsWith(const char* mark) const
    {
        return m_bytes.compare(0, std::char_traits<char>::length(mark), mark) == 0;
    }

    const std::string& m_bytes;
    std::size_t m_mark = 0;
    std::size_t m_width = 1;
    bool m_bigEndian = false;
};

// One line: its text without the blanks CIniText trims, in units, and
// where the next line starts.
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
    bool hasEnd;  // a line end follows it
};

bool IsBlank(unsigned unit)
{
    return unit == ' ' || unit == '\t' || unit == '\r';
}

unsigned Lower(unsigned unit)
{
    return unit >= 'A' && unit <= 'Z' ? unit - 'A' + 'a' : unit;
}

void Trim(const Units& text, std::size_t& begin, std::size_t& end)
{
    while (begin < end && IsBlank(text.At(begin)))
        ++begin;
    while (end > begin && IsBlank(text.At(end - 1)))
        --end;
}

// CR, LF and CRLF each end a line, as Notepad shows them.
bool IsLineEnd(unsigned unit)
{
    return unit == '\r' || unit == '\n';
}

Line LineAt(const Units& text, std::size_t start)
{
    std::size_t end = start;
    while (end < text.Size() && !IsLineEnd(text.At(end)))
        ++end;
    std::size_t next = end;
    if (next < text.Size() && text.At(next++) == '\r' && next < text.Size() && text.At(next) == '\n')
        ++next;
    Line line{start, end, next, end < text.Size()};
    Trim(text, line.begin, line.end);
    return line;
}

// The first unit c in [begin, end), or end.
std::size_t Find(const Units& text, unsigned c, std::size_t begin, std::size_t end)
{
    while (begin < end && text.At(begin) != c)
        ++begin;
    return begin;
}

// Whether [begin, end) spells name, compared without case as CIniText
// compares (ASCII letters only).
bool Names(const Units& text, std::size_t begin, std::size_t end, const std::string& name)
{
    if (end - begin != name.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (Lower(text.At(begin + i)) != Lower(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

// The line end an added line takes: the file's first, else CRLF.
std::string LineEnd(const Units& text)
{
    const Line first = LineAt(text, 0);
    std::string end;
    for (std::size_t unit = first.end; unit < first.next; ++unit) {
        if (IsLineEnd(text.At(unit)))
            end += static_cast<char>(text.At(unit));
    }
    return end.empty() ? "\r\n" : end;
}

bool IsAscii(const std::string& text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// Bytes replaced by ASCII text, at a byte offset.
struct Edit {
    std::size_t offset;
    std::size_t length;
    std::string text;
};

// What the file holds of the section: its values replaced, the keys found,
// and the line after which missing keys go.
struct Section {
    std::vector<Edit> edits;
    std::vector<bool> found;
    bool present = false;
    Line last{};  // its header, then its last key line
};

Section FindSection(const Units& text, const std::string& name, const IniValues& values)
{
    Section section;
    section.found.assign(values.size(), false);
    for (std::size_t start = 0; start < text.Size();) {
        const Line line = LineAt(text, start);
        start = line.next;
        if (line.begin == line.end)
            continue;
        if (text.At(line.begin) == '[') {
            // Any header ends the section, a repeated one too: the reader
            // takes the first section of a name alone.
            if (section.present)
                break;
            std::size_t nameBegin = line.begin + 1;
            std::size_t nameEnd = Find(text, ']', nameBegin, line.end);
            Trim(text, nameBegin, nameEnd);
            section.present = Names(text, nameBegin, nameEnd, name);
            section.last = line;
            continue;
        }
        const std::size_t equals = Find(text, '=', line.begin, line.end);
        if (!section.present || equals == line.end)
            continue;
        section.last = line;
        std::size_t keyBegin = line.begin;
        std::size_t keyEnd = equals;
        Trim(text, keyBegin, keyEnd);
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (section.found[i] || !Names(text, keyBegin, keyEnd, values[i].first))
                continue;
            // The value as the reader trims it (quotes included) gives way
            // to the new one; the blanks around it stay.
            std::size_t valueBegin = equals + 1;
            std::size_t valueEnd = line.end;
            Trim(text, valueBegin, valueEnd);
            const std::size_t offset = text.Offset(valueBegin);
            section.edits.push_back({offset, text.Offset(valueEnd) - offset, values[i].second});
            section.found[i] = true;
            break;
        }
    }
    return section;
}

// The lines of the keys the section lacks, after its last key line, or
// the section itself at the end of the file.
std::optional<Edit> MissingLines(const Units& text, const std::string& name, const IniValues& values,
                                 const Section& section)
{
    const std::string lineEnd = LineEnd(text);
    std::string added;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!section.found[i])
            added += values[i].first + "=" + values[i].second + lineEnd;
    }
    if (added.empty())
        return std::nullopt;
    if (section.present)
        return Edit{text.Offset(section.last.next), 0, section.last.hasEnd ? added : lineEnd + added};
    const bool ended = text.Size() == 0 || IsLineEnd(text.At(text.Size() - 1));
    return Edit{text.Offset(text.Size()), 0, (ended ? "" : lineEnd) + "[" + name + "]" + lineEnd + added};
}

}  // namespace

std::optional<std::string> WriteIniValues(const std::string& file, const std::string& section,
                                          const IniValues& values)
{
    bool ascii = IsAscii(section);
    for (const auto& value : values)
        ascii = ascii && IsAscii(value.first) && IsAscii(value.second);
    const Units text(file);
    if (!ascii || !text.Whole())
        return std::nullopt;

    Section found = FindSection(text, section, values);
    if (const std::optional<Edit> missing = MissingLines(text, section, values, found))
        found.edits.push_back(*missing);
    std::string result;
    std::size_t copied = 0;
    for (const Edit& edit : found.edits) {
        result.append(file, copied, edit.offset - copied);
        result += text.Encode(edit.text);
        copied = edit.offset + edit.length;
    }
    result.append(file, copied, std::string::npos);
    return result;
}
