// Where the main window may open, and where its caption's edges are.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/WindowPlacement.h"

TEST(WindowPlacement, TheWindowMovesOnlyWhenItsCaptionCannotBeGrabbedAndThenJustEnough)
{
    // At 96 dpi a work area must hold 7 rows over 38 columns of Wine's caption, 8 over 46 of Windows 10's.
    const CaptionGeometry wine = {3, 19, 21, 539};   // a caption of 19 below a frame of 3
    const CaptionGeometry win10 = {7, 23, 37, 375};  // 23 below 7, and buttons of 46
    const ScreenRect primary = {0, 0, 1920, 1040};   // a taskbar below
    const struct {
        CaptionGeometry caption;
        std::vector<ScreenRect> areas;
        std::vector<std::pair<ScreenPoint, ScreenPoint>> storedAndOpened;
    } setups[] = {
        // Each edge just graspable, and a pixel beyond: then the whole height.
        {wine,
         {{0, 0, 1024, 768}},
         {{{-12, -12}, {-12, -12}},
          {{-501, 100}, {-501, 100}},
          {{-502, 100}, {-501, 100}},
          {{965, 100}, {965, 100}},
          {{1500, 0}, {965, 0}},
          {{0, -15}, {0, -15}},
          {{0, -16}, {0, -3}},
          {{0, 758}, {0, 758}},
          {{0, 759}, {0, 746}},
          {{0, 2000}, {0, 746}},
          {{-2000, -12}, {-501, -3}},
          // A hand-edited file's far-off corner: the sums must not overflow.
          {{2147483647, -2147483647 - 1}, {965, -3}}}},
        {win10,
         {primary},
         {{{-12, -12}, {-12, -12}},
          {{-2000, 300}, {-329, 300}},
          {{3000, 300}, {1837, 300}},
          {{100, -22}, {100, -22}},
          {{100, -23}, {100, -7}},
          {{100, 2000}, {100, 1010}}}},
        // A lower monitor on the left: the nearer one takes the window.
        {win10,
         {primary, {-1280, 200, 0, 1224}},
         {{{-12, -12}, {-12, -12}},
          {{-2000, 300}, {-1609, 300}},
          {{-700, 0}, {-700, 193}},
          {{-200, 300}, {-200, 300}}}},
    };
    for (const auto& s : setups) {
        for (const auto& [stored, opened] : s.storedAndOpened) {
            const ScreenPoint at = KeepCaptionGraspable(stored, s.caption, s.areas);
            EXPECT_EQ(std::make_pair(opened.x, opened.y), std::make_pair(at.x, at.y))
                << s.caption.height << ": " << stored.x << "," << stored.y;
        }
    }
}

TEST(WindowPlacement, TheCaptionsEdgesAreFoundNearTheGuessAsTheWindowAnswers)
{
    // A row of a window, where 'C' moves it: frame, icon, caption, buttons.
    const struct {
        const char* row;
        int guess;
        bool begins;
        int edge;
    } cases[] = {
        {"--ssCCCCCCbbb-", 4, true, 4},    {"--ssCCCCCCbbb-", 2, true, 4},    {"--ssCCCCCCbbb-", 7, true, 4},
        {"--ssCCCCCCbbb-", 10, false, 10}, {"--ssCCCCCCbbb-", 12, false, 10}, {"--ssCCCCCCbbb-", 8, false, 10},
        {"-CssCCCCCCbbb-", 6, true, 4},  // not the caption before the icon
        {"--ssssssssssCC", 2, true, 2},  // none within reach
    };
    for (const auto& c : cases) {
        const auto isCaption = [&](int i) { return i >= 0 && i < int(std::string(c.row).size()) && c.row[i] == 'C'; };
        EXPECT_EQ(c.edge, CaptionEdge(isCaption, c.guess, c.begins, 8)) << c.row << " from " << c.guess;
    }
}
