#include "IniText.h"

#include "i18n/IniGrammar.h"

namespace {

// The value without one pair of double quotes around it.
IniRange Unquoted(const IniUnits& text, IniRange value)
{
    if (value.end - value.begin >= 2 && text.At(value.begin) == '"' && text.At(value.end - 1) == '"')
        return {value.begin + 1, value.end - 1};
    return value;
}

}  // namespace

CIniText::CIniText(const std::string& file)
{
    const IniUnits text(file);
    m_bUtf8 = text.Marked();
    std::map<std::string, std::string>* section = nullptr;
    for (std::size_t start = 0; start < text.Size();) {
        const IniLine line = ScanIniLine(text, start);
        start = line.ending.end;
        if (line.kind == IniLineKind::Header) {
            // A repeated section adds nothing: the first one answers.
            const auto [it, added] = m_sections.try_emplace(IniLower(text.Text(line.name)));
            section = added ? &it->second : nullptr;
        } else if (line.kind == IniLineKind::Key && section != nullptr) {
            section->emplace(IniLower(text.Text(line.name)), text.Text(Unquoted(text, line.value)));
        }
    }
}

const std::string* CIniText::Find(const std::string& section, const std::string& key) const
{
    const auto s = m_sections.find(IniLower(section));
    if (s == m_sections.end())
        return nullptr;
    const auto k = s->second.find(IniLower(key));
    return k == s->second.end() ? nullptr : &k->second;
}
