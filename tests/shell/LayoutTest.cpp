#include "shell/Layout.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(Layout, ResizeFollowsTheWindowAndKeepsStatusBelowTheList) {
    const MainLayout start;
    const MainLayout big = ComputeFormResize(start, 15270, 9000, false);
    EXPECT_EQ(big.searchFrameWidth, 15000);
    EXPECT_EQ(big.listWidth, 15000);
    EXPECT_EQ(big.listHeight, 9000 - (735 + 1500));
    EXPECT_EQ(big.statusFrameWidth, 15000);
    EXPECT_EQ(big.statusFrameTop, 810 + big.listHeight + 50);
    EXPECT_EQ(big.statusLabelWidth, 15270 - 520);
    // What resizing does not touch stays.
    EXPECT_EQ(big.searchFrameHeight, start.searchFrameHeight);
    EXPECT_EQ(big.listTop, start.listTop);
}

TEST(Layout, TooSmallWindowKeepsLastValidValuesStepByStep) {
    const MainLayout big = ComputeFormResize(MainLayout{}, 15270, 9000, false);

    // Lower than search bar + 1500: the list keeps its last valid height, and
    // the status frame is placed from that height.
    const MainLayout low = ComputeFormResize(big, 12000, 2000, false);
    EXPECT_EQ(low.listHeight, big.listHeight);
    EXPECT_EQ(low.statusFrameTop, big.statusFrameTop);
    EXPECT_EQ(low.listWidth, 11730);  // later steps still ran

    // Exactly the search bar + 1500 gives an empty list, which is valid.
    EXPECT_EQ(ComputeFormResize(big, 12000, 2235, false).listHeight, 0);

    // Narrow: the frames fit (400 - 270), the status label (400 - 520) does not.
    const MainLayout narrow = ComputeFormResize(low, 400, 5000, false);
    EXPECT_EQ(narrow.searchFrameWidth, 130);
    EXPECT_EQ(narrow.statusFrameWidth, 130);
    EXPECT_EQ(narrow.statusLabelWidth, low.statusLabelWidth);
    EXPECT_EQ(narrow.listHeight, 5000 - 2235);
    EXPECT_EQ(narrow.statusFrameTop, 810 + 5000 - 2235 + 50);

    // Nonsense sizes change nothing at all.
    EXPECT_EQ(ComputeFormResize(low, -1, -1, false), low);
}

TEST(Layout, MinimizeAndRestoreLeaveTheLayoutAlone) {
    const MainLayout shown = ComputeFormResize(MainLayout{}, 12000, 7000, false);
    // Minimized windows report tiny sizes; nothing may follow them.
    const MainLayout minimized = ComputeFormResize(shown, 2000, 400, true);
    EXPECT_EQ(minimized, shown);
    EXPECT_EQ(ComputeFormResize(minimized, 12000, 7000, false), shown);
}

TEST(Layout, TwipsScaleWithTheScreen) {
    EXPECT_DOUBLE_EQ(TwipsPerPixel(96), 15.0);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(192), 7.5);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(0), 15.0);  // an unknown screen counts as 96 dpi
    EXPECT_EQ(TwipsToPixels(10905, 96), 727);
    EXPECT_EQ(PixelsToTwips(727, 96), 10905);
    EXPECT_EQ(TwipsToPixels(10905, 192), 1454);
}

}  // namespace
}  // namespace kv
