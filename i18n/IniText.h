// A settings or language file read as the system's profile functions read
// an INI file, in the lines of IniGrammar.h: the first of repeated sections
// and keys counts, and one pair of double quotes around a value is removed.
// The texts of a file with a byte-order mark come out in UTF-8 (from UTF-16
// in either byte order, or UTF-8 as it is), as Windows editors take it,
// whatever code page the file names; without a mark they stay in the
// file's own code page.
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
