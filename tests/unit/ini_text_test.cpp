// The INI reader: a settings or language file's sections, keys and values,
// in each encoding its mark names.
#include <gtest/gtest.h>

#include <string>

#include "i18n/IniText.h"

using namespace std::string_literals;

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

TEST(IniText, AByteOrderMarkNamesTheEncodingAndTheTextsComeOutInUtf8)
{
    // "[S]\r\nKey=\u00e9\U0001F600\r\n" as Windows editors save it.
    const struct {
        const char* name;
        std::string bytes;
        bool utf8;
    } cases[] = {
        {"UTF-16 LE",
         "\xFF\xFE[\0S\0]\0\r\0\n\0K\0"
         "e\0y\0=\0\xE9\0\x3D\xD8\x00\xDE\r\0\n\0"s,
         true},
        {"UTF-16 BE",
         "\xFE\xFF\0[\0S\0]\0\r\0\n\0K\0"
         "e\0y\0=\0\xE9\xD8\x3D\xDE\x00\0\r\0\n"s,
         true},
        {"UTF-16 LE, CR alone",
         "\xFF\xFE[\0S\0]\0\r\0K\0"
         "e\0y\0=\0\xE9\0\x3D\xD8\x00\xDE\r\0"s,
         true},
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
