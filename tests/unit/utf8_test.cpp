// Lengths and cuts of UTF-8 texts in the system's UTF-16 units.
#include <gtest/gtest.h>

#include "framework/Utf8.h"

TEST(Utf8, LengthsAndCutsInUtf16Units)
{
    const struct {
        const char* text;
        std::size_t units;
        std::size_t cutAt3;  // bytes kept by a cut to 3 units
    } cases[] = {
        {"", 0, 0},
        {"abcd", 4, 3},
        {"\xC3\xA9t\xC3\xA9", 3, 5},                     // é t é
        {"\xE3\x83\x84\xE3\x83\xBC\xE3\x83\xAB", 3, 9},  // three kana
        {"ab\xF0\x9F\x98\x80", 4, 2},                    // a b and one character of two units
        {"a\xF0\x9F\x98\x80", 3, 5},
        {"\xC3", 1, 1},      // a lead byte without its follower
        {"\x80\x80", 2, 2},  // followers without a lead
        {"\xE3\x83", 2, 2},  // a cut-off character: one unit a byte
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.units, Utf16Length(c.text)) << c.text;
        EXPECT_EQ(std::string(c.text).substr(0, c.cutAt3), CutToUtf16Units(c.text, 3)) << c.text;
    }
}
