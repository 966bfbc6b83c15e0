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
        {{{"0", "A"}, {"1", "B"}, {"3", "D"}}, {"A", "B"}},          // a gap ends the list
        {{{"0", "A"}, {"1", "No More"}, {"2", "C"}}, {"A"}},         // so does "No More"
        {{{"0", "A"}, {"1", "no more"}}, {"A", "no more"}},          // compared with case
        {{{"0", ""}, {"1", "B"}}, {"", "B"}},                        // an empty name is an entry
        {{}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.entries, Entries(c.section));
}

TEST(TextTable, KeysAreUniqueAndTheStoreStartsEmpty)
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
    EXPECT_EQ(kMainTextCount + kSettingsTextCount + kSettingsButtonTextCount, seen.size());
    EXPECT_EQ(34u, kMainTextCount);
    EXPECT_EQ("", GetText(TextKey::OptimizingRam));
    SetText(TextKey::OptimizingRam, "x");
    EXPECT_EQ("x", GetText(TextKey::OptimizingRam));
}
