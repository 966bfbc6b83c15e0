// Paths and the language list, apart from the files themselves.
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "framework/Path.h"
#include "i18n/IniText.h"
#include "i18n/IniWrite.h"
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

TEST(IniText, ReadsAsTheProfileFunctionsDo)
{
    const CIniText ini(
        "ignored=before any section\r\n"
        "[Free_Main]\r\n"
        "  Exit_Text  =  Ende  \r\n"
        "Quoted=\"Last\"\r\n"
        "Empty=\r\n"
        "Exit_Text=second\r\n"
        "no equals sign\r\n"
        "[other]\n"
        "Kana=\x83\x5C\x83\x74\x83\x67\n"  // Shift-JIS: trail bytes 0x5C and 0x74
        "[cr alone]\rA=1\rB=2\r"
        "[free_main]\r\n"
        "Later=from a repeated section\r\n");
    const struct {
        const char* section;
        const char* key;
        const char* value;  // null: missing
    } cases[] = {
        {"free_main", "exit_text", "Ende"},
        {"FREE_MAIN", "Quoted", "Last"},
        {"free_main", "Empty", ""},
        {"free_main", "ignored", nullptr},
        {"free_main", "Later", nullptr},
        {"other", "Kana", "\x83\x5C\x83\x74\x83\x67"},
        {"cr alone", "B", "2"},
        {"missing", "Exit_Text", nullptr},
    };
    for (const auto& c : cases) {
        const std::string* value = ini.Find(c.section, c.key);
        EXPECT_EQ(c.value != nullptr, value != nullptr) << c.section << "/" << c.key;
        if (c.value != nullptr && value != nullptr) {
            EXPECT_EQ(c.value, *value) << c.section << "/" << c.key;
        }
    }
}

namespace {

// A literal's bytes, zeros included.
template <std::size_t N>
std::string Bytes(const char (&text)[N])
{
    return std::string(text, N - 1);
}

}  // namespace

TEST(IniText, AByteOrderMarkNamesTheEncodingAndTheTextsComeOutInUtf8)
{
    // "[S]\r\nKey=\u00e9\U0001F600\r\n" as Windows editors save it.
    const struct {
        const char* name;
        std::string bytes;
        bool utf8;
    } cases[] = {
        {"UTF-16 LE", Bytes("\xFF\xFE[\0S\0]\0\r\0\n\0K\0" "e\0y\0=\0\xE9\0\x3D\xD8\x00\xDE\r\0\n\0"), true},
        {"UTF-16 BE", Bytes("\xFE\xFF\0[\0S\0]\0\r\0\n\0K\0" "e\0y\0=\0\xE9\xD8\x3D\xDE\x00\0\r\0\n"), true},
        {"UTF-16 LE, CR alone", Bytes("\xFF\xFE[\0S\0]\0\r\0K\0" "e\0y\0=\0\xE9\0\x3D\xD8\x00\xDE\r\0"), true},
        {"UTF-8", "\xEF\xBB\xBF[S]\r\nKey=\xC3\xA9\xF0\x9F\x98\x80\r\n", true},
        {"no mark", "[S]\r\nKey=\xC3\xA9\xF0\x9F\x98\x80\r\n", false},
    };
    for (const auto& c : cases) {
        const CIniText ini(c.bytes);
        const std::string* value = ini.Find("s", "key");
        ASSERT_NE(nullptr, value) << c.name;
        EXPECT_EQ("\xC3\xA9\xF0\x9F\x98\x80", *value) << c.name;
        EXPECT_EQ(c.utf8, ini.IsUtf8()) << c.name;
    }
}

TEST(IniWrite, ValuesGoIntoTheFilesOwnBytes)
{
    const struct {
        const char* name;
        std::string file;
        std::optional<std::string> written;
    } cases[] = {
        {"a new file", "", "[S]\r\nA=1\r\nB=-2\r\n"},
        {"other case, blanks, quotes", "[ s ]\na = 9 \nb=\"8\"\n", "[ s ]\na = 1 \nb=-2\n"},
        {"repeated key and section", "[S]\r\nA=7\r\na=6\r\n[s]\r\nB=5\r\n",
         "[S]\r\nA=1\r\na=6\r\nB=-2\r\n[s]\r\nB=5\r\n"},
        {"after the last key line", "[S]\nA=7\n\n; of T\n[T]\nB=5\n", "[S]\nA=1\nB=-2\n\n; of T\n[T]\nB=5\n"},
        {"after a lone header", "[S]\r\n[T]\r\n", "[S]\r\nA=1\r\nB=-2\r\n[T]\r\n"},
        {"no final line end", "[S]\r\nA=7", "[S]\r\nA=1\r\nB=-2\r\n"},
        {"no section", "A=3\n[T]\nx=1", "A=3\n[T]\nx=1\n[S]\nA=1\nB=-2\n"},
        {"UTF-8", "\xEF\xBB\xBF[S]\r\nx=\xC3\xA9\r\n", "\xEF\xBB\xBF[S]\r\nx=\xC3\xA9\r\nA=1\r\nB=-2\r\n"},
        // U+0A5B holds the bytes of "[" and of a line feed.
        {"UTF-16 LE", Bytes("\xFF\xFE[\0S\0]\0\n\0x\0=\0\x5B\x0A\n\0"),
         Bytes("\xFF\xFE[\0S\0]\0\n\0x\0=\0\x5B\x0A\n\0A\0=\0" "1\0\n\0B\0=\0-\0" "2\0\n\0")},
        {"UTF-16 BE", Bytes("\xFE\xFF\0[\0S\0]\0\n\0x\0=\x0A\x5B\0\n"),
         Bytes("\xFE\xFF\0[\0S\0]\0\n\0x\0=\x0A\x5B\0\n\0A\0=\0" "1\0\n\0B\0=\0-\0" "2\0\n")},
        // CR alone, CRLF and LF are line ends as Notepad shows them; an
        // added line takes the file's first.
        {"CR alone, header not first", "x=1\r[S]\rA=7\r\n[T]\nB=5", "x=1\r[S]\rA=1\r\nB=-2\r[T]\nB=5"},
        {"CR alone, no section", "x=1\r", "x=1\r[S]\rA=1\rB=-2\r"},
        {"UTF-16 BE, CR alone", Bytes("\xFE\xFF\0[\0S\0]\0\r\0x\0=\x0D\x5B\0\r"),
         Bytes("\xFE\xFF\0[\0S\0]\0\r\0x\0=\x0D\x5B\0\r\0A\0=\0" "1\0\r\0B\0=\0-\0" "2\0\r")},
        {"UTF-16 of an odd length", Bytes("\xFF\xFE[\0S\0]\0\n"), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.written, WriteIniValues(c.file, "S", {{"A", "1"}, {"B", "-2"}})) << c.name;
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

TEST(LanguageEntries, TheListStopsAtTwoHundredFiftySixEntries)
{
    // A file with 20,000 entries made the Settings dialog take seconds to
    // open.
    const std::vector<std::string> entries = ReadLanguageEntries([](const std::string& key) {
        return std::stoi(key) < 20000 ? "Language " + key : std::string(kNoMore);
    });
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
        {{"Eigen"}, index, both, {"Eigen"}},                    // the file's own
        {{}, index, both, {"German", "English"}},               // the default's
        {{}, index, {{"dutch.ini", {"Duits"}}}, {"Duits"}},     // the first listed with one
        {{}, {"broken.ini"}, {}, {}},                           // none anywhere
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
