// The tray tips' texts.
#include <gtest/gtest.h>

#include "app/MainView.h"

TEST(TrayTip, FirstTipHasNoGroupSeparatorsLaterTipsHave)
{
    EXPECT_EQ("Brisklet Free - Free Ram: 1234567 KB", ComposeTip(FirstTipText("Free Ram:", 1234567, "KB")));
    EXPECT_EQ("Brisklet Free - 1,234,567 KB Free", ComposeTip(RefreshedTipText(1234567, "KB", "Free")));
    // Before any language is loaded the texts are empty.
    EXPECT_EQ("Brisklet Free -  5 ", ComposeTip(FirstTipText("", 5, "")));
    EXPECT_EQ("Brisklet Free - Optimizing Ram...", ComposeTip("Optimizing Ram..."));
}
