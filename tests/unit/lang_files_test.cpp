// Checks the shipped language files the way the program reads them with the
// profile functions: index, keys, menu accelerators, the code page each file
// names and what has to fit into the tray tip. The texts are compared after
// conversion from that code page, as the program shows them.
#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <locale>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "i18n/TextTable.h"
#include "resources/Product.h"
#include "ui/TrayTip.h"

namespace {

const std::string kDir = std::string(BRISKLET_LANG_DIR) + "/";

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string Trim(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t");
    return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Join(const std::vector<std::string>& items)
{
    std::string joined;
    for (const std::string& item : items)
        joined += (joined.empty() ? "" : ", ") + item;
    return joined;
}

// `in` converted from one of iconv's encodings to another into `out`;
// std::string::npos when all of it converted, else the offset of the first
// byte that is not valid text in `from` (0 when iconv knows no such names).
std::size_t Convert(const std::string& in, const char* from, const char* to, std::string& out)
{
    out.clear();
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return 0;
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::size_t fault = std::string::npos;
    while (srcLeft > 0) {
        char buffer[256];
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const bool failed = iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (failed && errno != E2BIG) {
            fault = in.size() - srcLeft;
            break;
        }
    }
    iconv_close(cd);
    return fault;
}

// The characters of UTF-8 text.
std::u32string Utf32(const std::string& utf8)
{
    std::string bytes;
    Convert(utf8, "UTF-8", "UTF-32LE", bytes);
    std::u32string chars;
    for (std::size_t i = 0; i + 3 < bytes.size(); i += 4) {
        auto at = [&](std::size_t n) { return static_cast<char32_t>(static_cast<unsigned char>(bytes[i + n])); };
        chars.push_back(at(0) | at(1) << 8 | at(2) << 16 | at(3) << 24);
    }
    return chars;
}

// The length of UTF-8 text in UTF-16 units, the program's measure.
std::size_t Utf16Units(const std::string& utf8)
{
    std::string bytes;
    Convert(utf8, "UTF-8", "UTF-16LE", bytes);
    return bytes.size() / 2;
}

// Case and letter tests for every script of the shipped files, not only ASCII.
const std::ctype<wchar_t>& UnicodeCtype()
{
    static const std::locale unicode("C.UTF-8");
    return std::use_facet<std::ctype<wchar_t>>(unicode);
}

// Names are kept lowercased. A repeated section or key is recorded, since
// the profile functions would silently read only the first one.
struct Ini {
    std::map<std::string, std::map<std::string, std::string>> sections;
    std::vector<std::string> repeated;

    const std::string* Find(const std::string& section, const std::string& key) const
    {
        const auto s = sections.find(Lower(section));
        if (s == sections.end())
            return nullptr;
        const auto k = s->second.find(Lower(key));
        return k == s->second.end() ? nullptr : &k->second;
    }
};

Ini ParseIni(const std::string& bytes)
{
    Ini ini;
    std::string section;
    for (std::size_t start = 0, end = 0; start < bytes.size(); start = end + 1) {
        end = std::min(bytes.find('\n', start), bytes.size());
        const bool cr = end > start && bytes[end - 1] == '\r';
        const std::string line = Trim(bytes.substr(start, end - start - (cr ? 1 : 0)));
        const std::size_t split = line.find('=');
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[' && line.find(']') != std::string::npos) {
            section = Lower(Trim(line.substr(1, line.find(']') - 1)));
            if (!ini.sections.emplace(section, std::map<std::string, std::string>{}).second)
                ini.repeated.push_back("[" + section + "]");
        } else if (!section.empty() && split != std::string::npos) {
            const std::string key = Lower(Trim(line.substr(0, split)));
            if (!ini.sections[section].emplace(key, Trim(line.substr(split + 1))).second)
                ini.repeated.push_back(section + "/" + key);
        }
    }
    return ini;
}

struct LanguageFile {
    std::string name, bytes;
    std::string encoding;  // iconv's name of the file's code page, "" when it names none
    std::size_t fault;     // the first byte that is not text in it, npos when none
    std::string text;      // converted to UTF-8
    Ini ini;               // of the text; of the bytes when they did not convert
};

// A language file names its code page; the index is read in whatever code
// page the system has, so it has to be plain ASCII.
LanguageFile Load(const std::string& name, bool index = false)
{
    LanguageFile file{name, ReadBytes(kDir + name), index ? "ASCII" : "", 0, "", {}};
    const Ini raw = ParseIni(file.bytes);
    const std::string* codePage = raw.Find(kCodePageSection, kCodePageKey);
    if (!index && codePage && !codePage->empty() &&
        std::all_of(codePage->begin(), codePage->end(), [](unsigned char c) { return std::isdigit(c); }))
        file.encoding = "CP" + *codePage;
    if (!file.encoding.empty())
        file.fault = Convert(file.bytes, file.encoding.c_str(), "UTF-8", file.text);
    file.ini = file.fault == std::string::npos ? ParseIni(file.text) : raw;
    return file;
}

const LanguageFile& Index()
{
    static const LanguageFile index = Load("language.ini", true);
    return index;
}

// The files the index lists, in its order; read once for all tests.
const std::vector<LanguageFile>& Languages()
{
    static const std::vector<LanguageFile> files = [] {
        std::vector<LanguageFile> loaded;
        for (int n = 0; const std::string* name = Index().ini.Find("languages", std::to_string(n)); ++n)
            loaded.push_back(Load(*name));
        return loaded;
    }();
    return files;
}

std::vector<const TextRow*> AllRows()
{
    std::vector<const TextRow*> rows;
    for (const TextRow& row : kMainTexts)
        rows.push_back(&row);
    for (const TextRow& row : kSettingsTexts)
        rows.push_back(&row);
    for (const TextRow& row : kSettingsButtonTexts)
        rows.push_back(&row);
    return rows;
}

// Empty when the file is text in the code page it names, without a byte
// order mark and with CRLF line ends only, else the first fault found.
std::string FirstEncodingFault(const LanguageFile& file)
{
    const std::string& bytes = file.bytes;
    for (const std::string bom : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"})
        if (bytes.compare(0, bom.size(), bom) == 0)
            return "byte order mark";
    if (file.encoding.empty())
        return std::string("no ") + kCodePageKey + "=<number> in [" + kCodePageSection + "]";
    if (file.fault != std::string::npos)
        return "not " + file.encoding + " text at offset " + std::to_string(file.fault);
    // ANSI text of any of these languages is never valid UTF-8 as a whole.
    std::string utf32;
    if (std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }) &&
        Convert(bytes, "UTF-8", "UTF-32LE", utf32) == std::string::npos)
        return "saved as UTF-8";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if ((bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) ||
            (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            return "line end other than CRLF at offset " + std::to_string(i);
    }
    return "";
}

TEST(LanguageIndex, NumbersRunFromZeroWithEnglishAtFourAndEveryFileExists)
{
    const auto languages = Index().ini.sections.find("languages");
    ASSERT_NE(languages, Index().ini.sections.end()) << "language.ini has no [languages] section";
    EXPECT_EQ(languages->second.size(), Languages().size()) << "numbers must run 0, 1, 2, ... without a gap";
    EXPECT_EQ(Join(Index().ini.repeated), "") << "repeated in language.ini";
    ASSERT_GE(Languages().size(), 7u);
    EXPECT_EQ(Languages()[4].name, "english.ini") << "4 is the default language number";
    for (const LanguageFile& file : Languages())
        EXPECT_FALSE(file.bytes.empty()) << file.name << " is missing or empty";
}

TEST(LanguageFiles, HoldExactlyTheSectionsAndKeysTheProgramReads)
{
    std::map<std::string, std::set<std::string>> known;
    for (const TextRow* row : AllRows())
        known[Lower(row->section)].insert(Lower(row->key));
    known[Lower(kCodePageSection)].insert(Lower(kCodePageKey));
    for (const LanguageFile& file : Languages()) {
        SCOPED_TRACE(file.name);
        for (const TextRow* row : AllRows()) {
            const std::string* text = file.ini.Find(row->section, row->key);
            EXPECT_NE(text, nullptr) << "missing " << row->section << "/" << row->key;
            // The statistics lines put the number right after the label.
            if (text && std::string(row->defaultText).back() == ':') {
                EXPECT_EQ(text->empty() ? ' ' : text->back(), ':') << row->key << "=" << *text << " lost its colon";
            }
        }
        for (const auto& [section, keys] : file.ini.sections) {
            if (section == kLanguageEntriesSection)
                continue;
            EXPECT_EQ(known.count(section), 1u) << "unknown section [" << section << "]";
            for (const auto& entry : keys)
                EXPECT_EQ(known[section].count(entry.first), 1u) << "unknown key " << section << "/" << entry.first;
        }
        EXPECT_EQ(Join(file.ini.repeated), "") << "repeated sections or keys";
    }
}

TEST(LanguageFiles, EnglishMatchesTheBuiltInTextsWithRealUnitWords)
{
    ASSERT_GT(Languages().size(), 4u);
    const Ini& english = Languages()[4].ini;
    const TextRow* kb = &kMainTexts[static_cast<std::size_t>(TextKey::KB)];
    const TextRow* mb = &kMainTexts[static_cast<std::size_t>(TextKey::MB)];
    for (const TextRow* row : AllRows()) {
        // The built-in unit words are placeholders; the file gives the units.
        const std::string expected = row == kb ? "KB" : row == mb ? "MB" : row->defaultText;
        const std::string* text = english.Find(row->section, row->key);
        EXPECT_EQ(text ? *text : "(missing)", expected) << row->section << "/" << row->key;
    }
}

TEST(LanguageFiles, ListEveryLanguageInIndexOrderThenNoMore)
{
    const std::size_t count = Languages().size();
    for (const LanguageFile& file : Languages()) {
        SCOPED_TRACE(file.name);
        std::set<std::string> names;
        for (std::size_t n = 0; n <= count; ++n) {
            const std::string* name = file.ini.Find(kLanguageEntriesSection, std::to_string(n));
            ASSERT_NE(name, nullptr) << "no entry " << n;
            if (n == count) {
                EXPECT_EQ(*name, kNoMore) << "the list must end after entry " << count - 1;
                continue;
            }
            EXPECT_FALSE(name->empty()) << "entry " << n << " is empty";
            EXPECT_NE(*name, kNoMore) << "list ends early at " << n;
            EXPECT_TRUE(names.insert(*name).second) << "name " << *name << " appears twice";
        }
        EXPECT_EQ(file.ini.sections.at(kLanguageEntriesSection).size(), count + 1) << "extra entries";
    }
}

TEST(LanguageFiles, MenuAcceleratorsAreSingleAndUniqueWithinEachMenu)
{
    const std::ctype<wchar_t>& ctype = UnicodeCtype();
    for (const LanguageFile& file : Languages()) {
        SCOPED_TRACE(file.name);
        std::map<std::string, std::map<wchar_t, std::string>> menus;  // menu -> letter -> key
        for (const TextRow& row : kMainTexts) {
            const std::string* text = file.ini.Find(row.section, row.key);
            if (!text || std::string(row.defaultText).find('&') == std::string::npos)
                continue;
            const std::size_t amp = text->find('&');
            const std::u32string after = amp == std::string::npos ? U"" : Utf32(text->substr(amp + 1));
            const wchar_t letter = after.empty() ? L' ' : static_cast<wchar_t>(after[0]);
            if (text->find('&', amp + 1) != std::string::npos || !ctype.is(std::ctype_base::alnum, letter)) {
                ADD_FAILURE() << row.key << "=" << *text << " needs exactly one & before a letter";
                continue;
            }
            const std::string menu = row.target == TextTarget::MenuPosition ? "menu bar" : row.section;
            const auto used = menus[menu].emplace(ctype.tolower(letter), row.key);
            EXPECT_TRUE(used.second) << row.key << " and " << used.first->second << " share the access key of " << *text
                                     << " in " << menu;
        }
    }
}

TEST(LanguageFiles, AreTextInTheCodePageTheyNameWithCrLfLineEnds)
{
    EXPECT_EQ(FirstEncodingFault(Index()), "") << "language.ini";
    // Letters of each language that a file saved as UTF-8 or in another code
    // page than it names would turn into others.
    std::map<std::string, std::string> letters = {
        {"german.ini", "äöüßÄÖÜ"},
        {"spanish.ini", "áéíóúñ¿¡ÁÉÍÓÚÑ"},
        {"french.ini", "àâçéèêëîïôùûÀÇÉÈ"},
        {"italian.ini", "àèéìòù"},
        {"portuguese.ini", "ãõçáâéêíóôúÃÇÁÉÍÓÚ"},
        {"polish.ini", "ąćęłńśźżĄĆĘŁŃŚŹŻ"},
        {"czech.ini", "čďěňřťůČĎĚŇŘŤŮ"},
        {"russian.ini", "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"},
        {"greek.ini", "αβγδεζηθικλμνξοπρστςυφχψωάέήίόύώ"},
        {"turkish.ini", "ğışĞİŞ"},
        {"japanese.ini",
         "あいうえおかきくけこさしすせそたちつてとなにのはまみもやよらりるれろをんアイウエオカキクケコサシスセ"
         "ソタチツテトナニノハヒフヘホマミムメモヤユヨラリルレロワンー"},
    };
    for (const LanguageFile& file : Languages()) {
        EXPECT_EQ(FirstEncodingFault(file), "") << file.name;
        const auto own = letters.find(file.name);
        if (own != letters.end()) {
            EXPECT_NE(Utf32(file.text).find_first_of(Utf32(own->second)), std::u32string::npos)
                << file.name << " has none of the letters " << own->second;
            letters.erase(own);
        }
    }
    std::vector<std::string> unlisted;
    for (const auto& entry : letters)
        unlisted.push_back(entry.first);
    EXPECT_EQ(Join(unlisted), "") << "not listed in language.ini";
}

TEST(LanguageFiles, TextsFitTheirBufferAndTheTrayTip)
{
    for (const LanguageFile& file : Languages()) {
        SCOPED_TRACE(file.name);
        for (const auto& [section, keys] : file.ini.sections)
            for (const auto& [key, value] : keys)
                EXPECT_LT(Utf16Units(value), kTextBufferSize) << section << "/" << key;
        const TextRow& kbRow = kMainTexts[static_cast<std::size_t>(TextKey::KB)];
        const TextRow& freeRow = kMainTexts[static_cast<std::size_t>(TextKey::Free)];
        const std::string* kb = file.ini.Find(kbRow.section, kbRow.key);
        const std::string* free = file.ini.Find(freeRow.section, freeRow.key);
        ASSERT_TRUE(kb && free);
        // 4,194,303 KB: the most a 32-bit byte count of free memory gives.
        const std::string tip = std::string(kProductName) + " - 4,194,303 " + *kb + " " + *free;
        EXPECT_LE(Utf16Units(tip), kMaxTipChars) << '"' << tip << "\" would be cut";
    }
}

}  // namespace
