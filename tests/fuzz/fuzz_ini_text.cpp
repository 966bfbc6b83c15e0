// The INI reader from any bytes a user or a translator may leave in a
// settings or language file: no crash, and keys and values written in each
// encoding Windows editors save (UTF-16 either way round and UTF-8, each
// with its mark, and plain bytes) read back as written. The files are
// encoded here by glibc, not by the reader's own conversion.
#include <fuzzer/FuzzedDataProvider.h>

#include <map>
#include <optional>
#include <string>

#include "i18n/IniText.h"
#include "i18n/IniWrite.h"
#include "tests/fuzz/Check.h"
#include "tests/fuzz/Convert.h"

namespace {

// A name the profile functions take as it is: letters and digits.
std::string Name(FuzzedDataProvider& in)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";
    std::string name(1, 'k');
    for (std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, 12); n > 0; --n)
        name += kLetters[in.ConsumeIntegralInRange<std::size_t>(0, sizeof kLetters - 2)];
    return name;
}

// A value of any characters but controls, blanks and double quotes (which
// the reader trims or takes off), in UTF-8.
std::string Value(FuzzedDataProvider& in)
{
    std::string value;
    for (std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, 20); n > 0; --n) {
        char32_t c = in.ConsumeIntegralInRange<char32_t>(0x23, 0x10FFFF);
        if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xE000;
        std::string utf32(reinterpret_cast<const char*>(&c), sizeof c);
        std::string utf8;
        FUZZ_CHECK(Convert("UTF-8", "UTF-32LE", utf32, utf8));
        value += utf8;
    }
    return value;
}

// The program's keys (in the reader's lower case) with numbers of the
// input, written into the bytes: refused only where the last UTF-16 unit
// is cut short, else read back with all else as before.
void CheckWritesInto(const std::string& bytes, FuzzedDataProvider& in)
{
    IniValues ours;
    for (const char* key : {"language", "memtofree", "triggerlevel", "stayontop", "left", "top"})
        ours.emplace_back(key, std::to_string(in.ConsumeIntegral<int>()));
    const std::optional<std::string> written = WriteIniValues(bytes, "Settings", ours);
    const bool utf16 = bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0;
    FUZZ_CHECK(written.has_value() != (utf16 && bytes.size() % 2 == 1));
    if (!written)
        return;
    const CIniText before(bytes), after(*written);
    CIniText::Sections expected = before.All();
    for (const auto& value : ours)
        expected["settings"][value.first] = value.second;
    FUZZ_CHECK(after.All() == expected && after.IsUtf8() == before.IsUtf8());
}

void CheckReadsBack(const std::map<std::string, std::string>& pairs, const std::string& file, bool utf8)
{
    const CIniText ini(file);
    FUZZ_CHECK(ini.IsUtf8() == utf8);
    for (const auto& pair : pairs) {
        const std::string* value = ini.Find("Section", pair.first);
        FUZZ_CHECK(value != nullptr && *value == pair.second);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // Any bytes: read, and looked up.
    const CIniText any(bytes);
    any.Find("Settings", "MemToFree");
    any.Find("", "");

    FuzzedDataProvider in(data, size);
    // Keys compare without case: the first of two that differ only in case
    // counts, as the reader keeps it.
    std::map<std::string, std::string> pairs;
    std::map<std::string, bool> lowered;
    std::string text = "[Section]\r\n";
    for (std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, 8); n > 0; --n) {
        const std::string key = Name(in);
        const std::string value = Value(in);
        text += key + "=" + value + "\r\n";
        std::string lower = key;
        for (char& c : lower)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (lowered.emplace(lower, true).second)
            pairs[key] = value;
    }
    CheckReadsBack(pairs, text, false);
    CheckReadsBack(pairs, "\xEF\xBB\xBF" + text, true);
    std::string le, be;
    FUZZ_CHECK(Convert("UTF-16LE", "UTF-8", text, le) && Convert("UTF-16BE", "UTF-8", text, be));
    CheckReadsBack(pairs, "\xFF\xFE" + le, true);
    CheckReadsBack(pairs, "\xFE\xFF" + be, true);
    CheckWritesInto(bytes, in);
    return 0;
}
