// The meter's gradient bands, filled width and percentage text.
#include <gtest/gtest.h>

#include "app/StatsText.h"
#include "ui/GradientBands.h"

namespace {

std::uint32_t Rgb(int r, int g, int b)
{
    return static_cast<std::uint32_t>(r | (g << 8) | (b << 16));
}

}  // namespace

TEST(Gradient, SixteenStepsGiveSixteenEqualBandsAndTheFillEndsOnABandEdge)
{
    // Red 0 -> 16: sixteen steps of one over 160 pixels, 10 pixels a band.
    const GradientPlan full = PlanGradient(Rgb(0, 50, 50), Rgb(16, 50, 50), 160, 160);
    ASSERT_EQ(16u, full.bands.size());
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(i * 10, full.bands[i].left);
        EXPECT_EQ(i * 10 + 10, full.bands[i].right);
        EXPECT_EQ(Rgb(i, 50, 50), full.bands[i].colour);  // colour of the band's left edge
    }
    EXPECT_EQ(-1, full.backgroundLeft);

    // 45 pixels filled: the bar runs to the first band edge past them.
    const GradientPlan part = PlanGradient(Rgb(0, 50, 50), Rgb(16, 50, 50), 160, 45);
    ASSERT_EQ(5u, part.bands.size());
    EXPECT_EQ(50, part.bands.back().right);
    EXPECT_EQ(50, part.backgroundLeft);

    // On an edge exactly, the next band is painted too (it passes the width).
    EXPECT_EQ(60, PlanGradient(Rgb(0, 50, 50), Rgb(16, 50, 50), 160, 50).backgroundLeft);
}

TEST(Gradient, ZeroPositionStillPaintsASliverOfTheStartColour)
{
    const GradientPlan plan = PlanGradient(Rgb(0, 50, 50), Rgb(16, 50, 50), 160, 0);
    ASSERT_EQ(1u, plan.bands.size());
    EXPECT_EQ(Rgb(0, 50, 50), plan.bands[0].colour);
    EXPECT_EQ(10, plan.backgroundLeft);
}

TEST(Gradient, TheMetersTwoHundredFiftyFiveStepsOnANarrowControl)
{
    // Free-RAM meter colours: yellow (255, 240, 16) to green (0, 224, 0).
    const std::uint32_t start = Rgb(255, 240, 16), end = Rgb(0, 224, 0);
    const int width = 210;
    const GradientPlan full = PlanGradient(start, end, width, width);
    ASSERT_EQ(255u, full.bands.size());
    EXPECT_EQ(start, full.bands.front().colour);
    // The last band is one step short of the end colour.
    EXPECT_EQ(Rgb(1, 224, 0), full.bands.back().colour);
    int empty = 0;
    for (std::size_t i = 0; i < full.bands.size(); ++i) {
        if (full.bands[i].left == full.bands[i].right)
            ++empty;
        if (i > 0) {
            EXPECT_EQ(full.bands[i - 1].right, full.bands[i].left) << i;
        }
    }
    EXPECT_EQ(255 - width, empty);  // bands narrower than a pixel
    EXPECT_EQ(width, full.bands.back().right);

    // Half full: the bar ends at most one pixel past the filled width.
    const GradientPlan half = PlanGradient(start, end, width, 105);
    EXPECT_EQ(106, half.bands.back().right);
    EXPECT_EQ(106, half.backgroundLeft);
}

TEST(Gradient, EqualColoursDrawAFlatBar)
{
    const GradientPlan plan = PlanGradient(Rgb(9, 9, 9), Rgb(9, 9, 9), 100, 40);
    ASSERT_EQ(1u, plan.bands.size());
    EXPECT_EQ(0, plan.bands[0].left);
    EXPECT_EQ(40, plan.bands[0].right);
    EXPECT_EQ(Rgb(9, 9, 9), plan.bands[0].colour);
    EXPECT_EQ(40, plan.backgroundLeft);
    EXPECT_TRUE(PlanGradient(Rgb(9, 9, 9), Rgb(9, 9, 9), 100, 0).bands.empty());
    EXPECT_EQ(-1, PlanGradient(Rgb(9, 9, 9), Rgb(9, 9, 9), 100, 100).backgroundLeft);
}

TEST(Gradient, ShortLastBandIsPaintedToTheRightEdge)
{
    // 3 steps over 10 pixels: 3.333 a band; float edges 3, 6, 9 (or 10).
    const GradientPlan plan = PlanGradient(Rgb(0, 0, 0), Rgb(3, 0, 0), 10, 10);
    EXPECT_EQ(10, plan.bands.back().right);
    EXPECT_EQ(-1, plan.backgroundLeft);
}

TEST(MeterText, FilledWidthAndPercentage)
{
    EXPECT_EQ(0, FilledWidth(0, 100, 210));
    EXPECT_EQ(105, FilledWidth(50, 100, 210));
    EXPECT_EQ(210, FilledWidth(100, 100, 210));
    EXPECT_EQ(2, FilledWidth(1, 100, 210));
    EXPECT_EQ(0, FilledWidth(5, 0, 210));
    EXPECT_EQ("0%", MeterPercentText(0, 100));
    EXPECT_EQ("42%", MeterPercentText(42, 100));
    EXPECT_EQ("100%", MeterPercentText(100, 100));
    EXPECT_EQ("33%", MeterPercentText(1, 3));
    EXPECT_EQ("12%", MeterPercentText(1, 8));  // 12.5: a half goes to the even number
    EXPECT_EQ("38%", MeterPercentText(3, 8));  // 37.5
}
