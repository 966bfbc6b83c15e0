// A language file's bytes read as the system's profile functions read an
// INI file: sections and keys compared without case, blanks around keys and
// values dropped, one pair of double quotes around a value removed, the
// first of repeated sections and keys counting. A line ends in CR, LF or
// CRLF, as Notepad shows it. The bytes stay in the file's own code page;
// only ASCII has a meaning to the reader, so a double-byte code page reads
// right as long as names are ASCII.
//
// A file that begins with a byte-order mark is read in its encoding, as
// the profile functions and Windows editors take it: UTF-16 in either byte
// order, or UTF-8. Its texts are then UTF-8, whatever code page the file
// names.
#pragma once

#include <map>
#include <string>

class CIniText {
public:
    CIniText() = default;
    explicit CIniText(const std::string& bytes);

    // The value of section/key, or null when either is missing.
    const std::string* Find(const std::string& section, const std::string& key) const;

    // The file began with a byte-order mark: its texts are in UTF-8.
    bool IsUtf8() const { return m_bUtf8; }

    // Every section with its keys as read, their names in lower case.
    using Sections = std::map<std::string, std::map<std::string, std::string>>;
    const Sections& All() const { return m_sections; }

private:
    Sections m_sections;
    bool m_bUtf8 = false;
};
