// The tray tips: their composition and the cut to the tip field.
#include <gtest/gtest.h>

#include "ui/TrayTip.h"

TEST(TrayTip, FirstTipHasNoGroupSeparatorsLaterTipsHave)
{
    EXPECT_EQ("Brisklet Free - Free Ram: 1234567 KB", ComposeTip(FirstTipText("Free Ram:", 1234567, "KB")));
    EXPECT_EQ("Brisklet Free - 1,234,567 KB Free", ComposeTip(RefreshedTipText(1234567, "KB", "Free")));
    // Before any language is loaded the texts are empty.
    EXPECT_EQ("Brisklet Free -  5 ", ComposeTip(FirstTipText("", 5, "")));
    EXPECT_EQ("Brisklet Free - Optimizing Ram...", ComposeTip("Optimizing Ram..."));
}

TEST(TrayTip, LongTextsAreCutToSixtyThreeCharacters)
{
    const std::string longText(200, 'x');
    const std::string tip = ComposeTip(longText);
    EXPECT_EQ(63u, tip.size());
    EXPECT_EQ(0u, tip.find("Brisklet Free - xxx"));
    EXPECT_EQ(63u, ComposeTip(std::string(47, 'y')).size());  // exactly full
    EXPECT_EQ(62u, ComposeTip(std::string(46, 'y')).size());
}

TEST(TrayTip, TheCutCountsCharactersAndNeverSplitsOne)
{
    // 16 characters of "Brisklet Free - " and 47 Cyrillic letters of two
    // bytes each: 63 characters, 110 bytes.
    std::string cyrillic;
    for (int i = 0; i < 50; ++i)
        cyrillic += "\xD0\x96";
    EXPECT_EQ("Brisklet Free - " + cyrillic.substr(0, 94), ComposeTip(cyrillic));
    // A character of two UTF-16 units that would end at unit 64 is left out
    // whole.
    EXPECT_EQ("Brisklet Free - " + std::string(46, 'y'), ComposeTip(std::string(46, 'y') + "\xF0\x9F\x98\x80"));
}
