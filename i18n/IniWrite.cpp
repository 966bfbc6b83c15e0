#include "IniWrite.h"

#include <algorithm>

#include "i18n/IniGrammar.h"

namespace {

bool IsAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Names compare as the reader compares them.
bool SameName(const IniUnits& text, IniRange range, const std::string& name)
{
    return IniLower(text.Text(range)) == IniLower(name);
}

// Bytes replaced by ASCII text, at a byte offset.
struct Edit {
    std::size_t offset;
    std::size_t length;
    std::string text;
};

// What the file holds of the section: its values replaced, the values
// whose key it lacks, and the line after which missing lines go: its
// header, then its last key line; without the section, the file's last line.
struct Section {
    std::vector<Edit> edits;
    IniValues missing;
    bool present = false;
    IniLine last;
};

// The first missing value the key line names replaces the value the reader
// reads (quotes included); the blanks around it stay.
void ReplaceValue(const IniUnits& text, const IniLine& line, Section& section)
{
    auto& missing = section.missing;
    const auto value =
        std::find_if(missing.begin(), missing.end(), [&](const auto& v) { return SameName(text, line.name, v.first); });
    if (value == missing.end())
        return;
    const std::size_t offset = text.Offset(line.value.begin);
    section.edits.push_back({offset, text.Offset(line.value.end) - offset, value->second});
    missing.erase(value);
}

Section FindSection(const IniUnits& text, const std::string& name, const IniValues& values)
{
    Section section;
    section.missing = values;
    for (std::size_t start = 0; start < text.Size();) {
        const IniLine line = ScanIniLine(text, start);
        start = line.ending.end;
        if (line.kind == IniLineKind::Header) {
            // Any header ends the section, a repeated one too: the reader
            // takes the first section of a name alone.
            if (section.present)
                break;
            section.present = SameName(text, line.name, name);
        }
        if (section.present && line.kind == IniLineKind::Other)
            continue;
        section.last = line;
        if (section.present && line.kind == IniLineKind::Key)
            ReplaceValue(text, line, section);
    }
    return section;
}

// The line end an added line takes: the file's first, else CRLF.
std::string LineEnd(const IniUnits& text)
{
    const std::string first = text.Text(ScanIniLine(text, 0).ending);
    return first.empty() ? "\r\n" : first;
}

// The lines of the keys the section lacks, after its last key line, or
// the section itself at the end of the file.
std::optional<Edit> MissingLines(const IniUnits& text, const std::string& name, const Section& section)
{
    if (section.missing.empty())
        return std::nullopt;
    const std::string lineEnd = LineEnd(text);
    std::string added;
    for (const auto& value : section.missing)
        added += value.first + "=" + value.second + lineEnd;
    if (!section.present)
        added = "[" + name + "]" + lineEnd + added;
    // A last line without a line end gets one first; an empty file has none.
    if (text.Size() > 0 && section.last.ending.Empty())
        added = lineEnd + added;
    return Edit{text.Offset(section.last.ending.end), 0, added};
}

}  // namespace

std::optional<std::string> WriteIniValues(const std::string& file, const std::string& section, const IniValues& values)
{
    bool ascii = IsAscii(section);
    for (const auto& value : values)
        ascii = ascii && IsAscii(value.first) && IsAscii(value.second);
    const IniUnits text(file);
    if (!ascii || !text.Whole())
        return std::nullopt;

    Section found = FindSection(text, section, values);
    if (const std::optional<Edit> missing = MissingLines(text, section, found))
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
