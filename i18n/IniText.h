// A language file's bytes read as the system's profile functions read an
// INI file: sections and keys compared without case, blanks around keys and
// values dropped, one pair of double quotes around a value removed, the
// first of repeated sections and keys counting. The bytes stay in the
// file's own code page; only ASCII has a meaning to the reader, so a
// double-byte code page reads right as long as names are ASCII.
#pragma once

#include <map>
#include <string>

class CIniText {
public:
    CIniText() = default;
    explicit CIniText(const std::string& bytes);

    // The value of section/key, or null when either is missing.
    const std::string* Find(const std::string& section, const std::string& key) const;

private:
    std::map<std::string, std::map<std::string, std::string>> m_sections;
};
