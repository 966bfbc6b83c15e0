// Checks the shipped language files the way the program reads them with the
// profile functions: index, keys, menu accelerators, encoding and what has
// to fit into the tray tip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "resources/Product.h"
#include "i18n/TextTable.h"
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
    Ini ini;
};

LanguageFile Load(const std::string& name)
{
    const std::string bytes = ReadBytes(kDir + name);
    return {name, bytes, ParseIni(bytes)};
}

const LanguageFile& Index()
{
    static const LanguageFile index = Load("language.ini");
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

// Empty when the bytes are Windows-1252 text with CRLF line ends, else the
// first fault found.
std::string FirstEncodingFault(const std::string& bytes)
{
    auto at = [&](std::size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u; };
    auto cont = [&](std::size_t i) { return at(i) >= 0x80 && at(i) <= 0xBF; };
    if (at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF)
        return "UTF-8 byte order mark";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned b = at(i);
        const std::string where = " at offset " + std::to_string(i);
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            return "byte undefined in Windows-1252" + where;
        if ((b >= 0xC2 && b <= 0xDF && cont(i + 1)) || (b >= 0xE0 && b <= 0xEF && cont(i + 1) && cont(i + 2)) ||
            (b >= 0xF0 && b <= 0xF4 && cont(i + 1) && cont(i + 2) && cont(i + 3)))
            return "UTF-8 encoded character" + where;
        if ((b == '\n' && (i == 0 || bytes[i - 1] != '\r')) || (b == '\r' && at(i + 1) != '\n'))
            return "line end other than CRLF" + where;
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
    for (const LanguageFile& file : Languages()) {
        SCOPED_TRACE(file.name);
        std::map<std::string, std::map<char, std::string>> menus;  // menu -> letter -> key
        for (const TextRow& row : kMainTexts) {
            const std::string* text = file.ini.Find(row.section, row.key);
            if (!text || std::string(row.defaultText).find('&') == std::string::npos)
                continue;
            const std::size_t amp = text->find('&');
            if (amp == std::string::npos || amp + 1 == text->size() || text->find('&', amp + 1) != std::string::npos ||
                (*text)[amp + 1] == ' ') {
                ADD_FAILURE() << row.key << "=" << *text << " needs exactly one & before a letter";
                continue;
            }
            const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>((*text)[amp + 1])));
            const std::string menu = row.target == TextTarget::MenuPosition ? "menu bar" : row.section;
            const auto used = menus[menu].emplace(letter, row.key);
            EXPECT_TRUE(used.second) << row.key << " and " << used.first->second << " share &" << letter << " in "
                                     << menu;
        }
    }
}

TEST(LanguageFiles, AreWindows1252WithCrLfLineEnds)
{
    EXPECT_EQ(FirstEncodingFault(Index().bytes), "") << "language.ini";
    // These languages write accents; a file of theirs with none lost them.
    std::set<std::string> accented = {"german.ini", "french.ini", "spanish.ini", "italian.ini", "portuguese.ini"};
    for (const LanguageFile& file : Languages()) {
        EXPECT_EQ(FirstEncodingFault(file.bytes), "") << file.name;
        if (accented.erase(file.name)) {
            EXPECT_TRUE(std::any_of(file.bytes.begin(), file.bytes.end(),
                                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
                << file.name << " has only ASCII";
        }
    }
    EXPECT_EQ(Join({accented.begin(), accented.end()}), "") << "not listed in language.ini";
}

TEST(LanguageFiles, TextsFitTheirBufferAndTheTrayTip)
{
    for (const LanguageFile& file : Languages()) {
        SCOPED_TRACE(file.name);
        for (const auto& [section, keys] : file.ini.sections)
            for (const auto& [key, value] : keys)
                EXPECT_LT(value.size(), kTextBufferSize) << section << "/" << key;
        const TextRow& kbRow = kMainTexts[static_cast<std::size_t>(TextKey::KB)];
        const TextRow& freeRow = kMainTexts[static_cast<std::size_t>(TextKey::Free)];
        const std::string* kb = file.ini.Find(kbRow.section, kbRow.key);
        const std::string* free = file.ini.Find(freeRow.section, freeRow.key);
        ASSERT_TRUE(kb && free);
        // 4,194,303 KB: the most a 32-bit byte count of free memory gives.
        const std::string tip = std::string(kProductName) + " - 4,194,303 " + *kb + " " + *free;
        EXPECT_LE(tip.size(), kMaxTipChars) << '"' << tip << "\" would be cut";
    }
}

}  // namespace
