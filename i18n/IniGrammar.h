// What a line of an INI file is, for the reader (CIniText) and the writer
// (WriteIniValues) alike: lines end in CR, LF or CRLF, as Notepad shows
// them; blanks (spaces and tabs) around a line, a name or a value do not
// count; a line that begins with "[" heads a section, named up to the first
// "]"; any other line with an "=" holds a key, named before the first "=",
// and its value; names compare without case (ASCII letters only).
//
// The lines are scanned in the file's own code units and never decoded:
// after a byte-order mark UTF-16 units (either byte order) or UTF-8 bytes,
// without one the bytes of the file's code page. Only ASCII units have a
// meaning here, and no other unit of these encodings holds one (the trail
// bytes of a double-byte code page can, which reads right as long as names
// are ASCII).
#pragma once

#include <cstddef>
#include <string>

// Units [begin, end).
struct IniRange {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool Empty() const { return begin == end; }
};

// The file's text after its mark as code units. It reads the file it is
// given, which must outlive it.
class IniUnits {
public:
    explicit IniUnits(const std::string& file);

    // The file began with a byte-order mark: its text is Unicode.
    bool Marked() const { return m_mark > 0; }
    // False for UTF-16 of an odd length: its last unit is cut short, and
    // does not count.
    bool Whole() const { return (m_file.size() - m_mark) % m_width == 0; }
    std::size_t Size() const { return (m_file.size() - m_mark) / m_width; }
    unsigned At(std::size_t unit) const;
    // Where unit begins in the file's bytes.
    std::size_t Offset(std::size_t unit) const { return m_mark + unit * m_width; }

    // The units as text: UTF-8 after a mark, the file's own bytes without
    // one.
    std::string Text(IniRange range) const;
    // ASCII text in the file's encoding.
    std::string Encode(const std::string& ascii) const;

private:
    const std::string& m_file;
    std::size_t m_mark = 0;
    std::size_t m_width = 1;
    bool m_bigEndian = false;
};

enum class IniLineKind { Other, Header, Key };

// One line. Its name and value are without the blanks around them; the
// value keeps its quotes, which the reader takes off and the writer
// replaces.
struct IniLine {
    IniLineKind kind = IniLineKind::Other;
    IniRange name;    // a header's section, or a key line's key
    IniRange value;   // a key line's value
    IniRange ending;  // its line end, empty on a last line without one;
                      // the next line begins at ending.end
};

// The line that begins at unit start.
IniLine ScanIniLine(const IniUnits& text, std::size_t start);

// A name in the case names are compared in: ASCII letters in lower case.
std::string IniLower(std::string name);
