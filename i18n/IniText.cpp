#include "IniText.h"

#include <set>

#include "framework/Utf8.h"

namespace {

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string Lower(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string Unquoted(const std::string& value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

bool BeginsWith(const std::string& bytes, const char* mark)
{
    return bytes.compare(0, std::char_traits<char>::length(mark), mark) == 0;
}

// The file's text without its mark: UTF-16 turned into UTF-8, UTF-8 as it
// is, and bytes without a mark left in their code page.
std::string Decoded(const std::string& bytes, bool& utf8)
{
    utf8 = true;
    if (BeginsWith(bytes, "\xFF\xFE"))
        return Utf8FromUtf16Bytes(bytes.substr(2), false);
    if (BeginsWith(bytes, "\xFE\xFF"))
        return Utf8FromUtf16Bytes(bytes.substr(2), true);
    if (BeginsWith(bytes, "\xEF\xBB\xBF"))
        return bytes.substr(3);
    utf8 = false;
    return bytes;
}

}  // namespace

CIniText::CIniText(const std::string& file)
{
    const std::string bytes = Decoded(file, m_bUtf8);
    std::map<std::string, std::string>* section = nullptr;
    std::set<std::string> seen;
    std::size_t start = 0;
    while (start < bytes.size()) {
        // CR, LF and CRLF each end a line, as Notepad shows them.
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        const std::string line = Trim(bytes.substr(start, end - start));
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        if (line.empty())
            continue;
        if (line[0] == '[') {
            const std::size_t close = line.find(']');
            const std::string name = Lower(Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)));
            // A repeated section adds nothing: the first one answers.
            section = seen.insert(name).second ? &m_sections[name] : nullptr;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (section == nullptr || equals == std::string::npos)
            continue;
        section->emplace(Lower(Trim(line.substr(0, equals))), Unquoted(Trim(line.substr(equals + 1))));
    }
}

const std::string* CIniText::Find(const std::string& section, const std::string& key) const
{
    const auto s = m_sections.find(Lower(section));
    if (s == m_sections.end())
        return nullptr;
    const auto k = s->second.find(Lower(key));
    return k == s->second.end() ? nullptr : &k->second;
}
