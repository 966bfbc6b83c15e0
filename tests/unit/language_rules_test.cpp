// Paths and the language list, apart from the files themselves.
#include <gtest/gtest.h>

#include <map>

#include "framework/Path.h"
#include "i18n/LanguageRules.h"
#include "i18n/TextTable.h"

TEST(Paths, DirectoryOfAModulePath)
{
    EXPECT_EQ("C:\\Tools\\", DirectoryOf("C:\\Tools\\bkfr.exe"));
    EXPECT_EQ("C:\\My Tools\\x\\", DirectoryOf("C:\\My Tools\\x\\bkfr.exe"));
    EXPECT_EQ("", DirectoryOf("bkfr.exe"));
}

TEST(Paths, JoinedPathsLongerThanAPathBufferNameNoFile)
{
    EXPECT_EQ("c:\\lang\\language.ini", JoinPath("c:\\lang\\", "language.ini"));
    // Without its final backslash the directory runs into the file name.
    EXPECT_EQ("c:\\langlanguage.ini", JoinPath("c:\\lang", "language.ini"));
    // An empty directory names the file alone.
    EXPECT_EQ("english.ini", JoinPath("", "english.ini"));
    const std::string dir(250, 'd');
    EXPECT_EQ(255u, JoinPath(dir, "12345").size());
    EXPECT_EQ("", JoinPath(dir, "123456"));
    // Counted in characters: 250 Cyrillic letters take 500 bytes.
    std::string cyrillic;
    for (int i = 0; i < 250; ++i)
        cyrillic += "\xD0\x96";
    EXPECT_EQ(cyrillic + "12345", JoinPath(cyrillic, "12345"));
    EXPECT_EQ("", JoinPath(cyrillic, "123456"));
}

TEST(LanguageDir, TheRegistryWinsThenThePortableFolderThenTheDefault)
{
    const std::string installed = "C:\\Program Files\\Brisklet Free\\lang\\";
    const struct {
        const char* registry;  // null: no value
        const char* programDir;
        const char* indexFile;  // the one index file that exists
        std::string dir;
    } cases[] = {
        {installed.c_str(), "D:\\Tools\\", "D:\\Tools\\lang\\language.ini", installed},
        {"", "D:\\Tools\\", "D:\\Tools\\lang\\language.ini", ""},  // an empty value is a value
        {nullptr, "D:\\Tools\\", "D:\\Tools\\lang\\language.ini", "D:\\Tools\\lang\\"},
        // The zip's 64-bit programs sit in x64\, beside its lang\ folder.
        {nullptr, "D:\\Tools\\x64\\", "D:\\Tools\\lang\\language.ini", "D:\\Tools\\lang\\"},
        {nullptr, "D:\\Tools\\", "D:\\Tools\\lang\\other.ini", "c:\\program files\\BriskletLanguage\\"},
        {nullptr, "", "", "c:\\program files\\BriskletLanguage\\"},
    };
    for (const auto& c : cases) {
        const std::string value = c.registry != nullptr ? c.registry : "";
        const std::string dir = ChooseLanguageDir(c.registry != nullptr ? &value : nullptr, c.programDir,
                                                  [&](const std::string& path) { return path == c.indexFile; });
        EXPECT_EQ(c.dir, dir) << (c.registry ? c.registry : "(none)") << " " << c.programDir;
    }
}

namespace {

std::vector<std::string> Entries(const std::map<std::string, std::string>& section)
{
    return ReadLanguageEntries([&](const std::string& key) {
        auto it = section.find(key);
        return it != section.end() ? it->second : std::string(kNoMore);
    });
}

}  // namespace

TEST(LanguageEntries, ListRunsUntilAMissingKeyOrNoMore)
{
    const struct {
        std::map<std::string, std::string> section;
        std::vector<std::string> entries;
    } cases[] = {
        {{{"0", "English"}, {"1", "Deutsch"}, {"2", "No More"}}, {"English", "Deutsch"}},
        {{{"0", "A"}, {"1", "B"}, {"3", "D"}}, {"A", "B"}},   // a gap ends the list
        {{{"0", "A"}, {"1", "No More"}, {"2", "C"}}, {"A"}},  // so does "No More"
        {{{"0", "A"}, {"1", "no more"}}, {"A", "no more"}},   // compared with case
        {{{"0", ""}, {"1", "B"}}, {"", "B"}},                 // an empty name is an entry
        {{}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.entries, Entries(c.section));
}

TEST(LanguageEntries, TheListStopsAtTwoHundredFiftySixEntries)
{
    // A file with 20,000 entries made the Settings dialog take seconds to
    // open.
    const std::vector<std::string> entries = ReadLanguageEntries(
        [](const std::string& key) { return std::stoi(key) < 20000 ? "Language " + key : std::string(kNoMore); });
    ASSERT_EQ(256u, entries.size());
    EXPECT_EQ("Language 255", entries.back());
}

TEST(LanguageEntries, AFileWithoutAListLendsTheDefaultOrTheFirstListedOne)
{
    using Lists = std::map<std::string, std::vector<std::string>>;
    const Lists both = {{"english.ini", {"German", "English"}}, {"dutch.ini", {"Duits", "Engels"}}};
    const std::vector<std::string> index = {"broken.ini", "dutch.ini", "english.ini"};
    const struct {
        std::vector<std::string> current;
        std::vector<std::string> index;
        Lists lists;
        std::vector<std::string> offered;
    } cases[] = {
        {{"Eigen"}, index, both, {"Eigen"}},                 // the file's own
        {{}, index, both, {"German", "English"}},            // the default's
        {{}, index, {{"dutch.ini", {"Duits"}}}, {"Duits"}},  // the first listed with one
        {{}, {"broken.ini"}, {}, {}},                        // none anywhere
    };
    for (const auto& c : cases) {
        const auto read = [&c](const std::string& file) {
            const auto it = c.lists.find(file);
            return it != c.lists.end() ? it->second : std::vector<std::string>();
        };
        EXPECT_EQ(c.offered, OfferedLanguages(c.current, c.index, read));
    }
}

TEST(TextTable, KeysAreUnique)
{
    std::map<std::string, int> seen;
    for (const TextRow& row : kMainTexts)
        ++seen[std::string(row.section) + "/" + row.key];
    for (const TextRow& row : kSettingsTexts)
        ++seen[std::string(row.section) + "/" + row.key];
    for (const TextRow& row : kSettingsButtonTexts)
        ++seen[std::string(row.section) + "/" + row.key];
    for (const auto& entry : seen)
        EXPECT_EQ(1, entry.second) << entry.first;
}
