// The tray tips: their composition and the cut to the tip field.
#include <gtest/gtest.h>

#include <cstring>

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

TEST(TrayTip, CopyNeverWritesPastTheField)
{
    struct {
        char field[64];
        char guard[8];
    } record;
    std::memset(&record, 'G', sizeof record);
    CopyTip(std::string(500, 'z'), record.field);
    EXPECT_EQ(63u, std::strlen(record.field));
    EXPECT_EQ(0, std::memcmp(record.guard, "GGGGGGGG", 8));

    CopyTip("short", record.field);
    EXPECT_STREQ("short", record.field);
}
