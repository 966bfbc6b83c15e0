// The settings writer: values into an INI file's own bytes and encoding.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "i18n/IniWrite.h"

using namespace std::string_literals;

TEST(IniWrite, ValuesGoIntoTheFilesOwnBytes)
{
    const struct {
        const char* name;
        std::string file;
        std::optional<std::string> written;
        IniValues values = {{"A", "1"}, {"B", "-2"}};
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
        {"UTF-16 LE", "\xFF\xFE[\0S\0]\0\n\0x\0=\0\x5B\x0A\n\0"s,
         "\xFF\xFE[\0S\0]\0\n\0x\0=\0\x5B\x0A\n\0A\0=\0"
         "1\0\n\0B\0=\0-\0"
         "2\0\n\0"s},
        {"UTF-16 BE", "\xFE\xFF\0[\0S\0]\0\n\0x\0=\x0A\x5B\0\n"s,
         "\xFE\xFF\0[\0S\0]\0\n\0x\0=\x0A\x5B\0\n\0A\0=\0"
         "1\0\n\0B\0=\0-\0"
         "2\0\n"s},
        // CR alone, CRLF and LF are line ends as Notepad shows them; an
        // added line takes the file's first.
        {"CR alone, header not first", "x=1\r[S]\rA=7\r\n[T]\nB=5", "x=1\r[S]\rA=1\r\nB=-2\r[T]\nB=5"},
        {"CR alone, no section", "x=1\r", "x=1\r[S]\rA=1\rB=-2\r"},
        {"UTF-16 BE, CR alone", "\xFE\xFF\0[\0S\0]\0\r\0x\0=\x0D\x5B\0\r"s,
         "\xFE\xFF\0[\0S\0]\0\r\0x\0=\x0D\x5B\0\r\0A\0=\0"
         "1\0\r\0B\0=\0-\0"
         "2\0\r"s},
        {"UTF-16 of an odd length", "\xFF\xFE[\0S\0]\0\n"s, std::nullopt},
        // Only ASCII means the same in every encoding a file may have.
        {"a name not ASCII", "[S]\r\nA=7\r\n", std::nullopt, {{"\xC3\x84", "1"}}},
        {"a value not ASCII", "[S]\r\nA=7\r\n", std::nullopt, {{"A", "\xC3\xA9"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.written, WriteIniValues(c.file, "S", c.values)) << c.name;
}
