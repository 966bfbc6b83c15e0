#include <gtest/gtest.h>

#include <utility>

#include "framework/Screen.h"

TEST(Screen, ADialogIsCentredOverItsOwnerAndKeptInsideTheWorkArea)
{
    const ScreenRect primary = {0, 0, 1920, 1040};
    const ScreenRect left = {-1280, 200, 0, 1224};  // a monitor left of the primary, lower
    const struct {
        ScreenRect over;
        int width, height;
        ScreenRect work;
        ScreenPoint at;
    } cases[] = {
        {primary, 400, 300, primary, {760, 370}},               // no owner to centre over
        {{-900, 400, -500, 600}, 300, 100, left, {-850, 450}},  // over an owner left of the origin
        {{-1300, 300, -1000, 500}, 300, 100, left, {-1280, 350}},
        {{-200, 1150, 0, 1250}, 300, 200, left, {-300, 1024}},
        {{0, 0, 800, 600}, 1000, 700, {0, 0, 800, 600}, {0, 0}},  // larger than the area: its top-left on it
        {{-700, 500, -600, 600}, 1400, 1100, left, {-1280, 200}},
    };
    for (const auto& c : cases) {
        const ScreenPoint at = CenterInside(c.over, c.width, c.height, c.work);
        EXPECT_EQ(std::make_pair(c.at.x, c.at.y), std::make_pair(at.x, at.y)) << c.over.left << "," << c.over.top;
    }
}
