// SPDX-License-Identifier: MIT
// The demo's second window beside the main one, on screens large and small.
#include "window/window_placement.h"

#include <gtest/gtest.h>

namespace vq72 {
namespace {

// Frames as a window manager draws them: the main window 370 x 380, the monitor 482 x 382.
TEST(PlaceBeside, RightBelowOrLeftOfTheMainWindowElseTheFarthestCorner) {
    const struct {
        Rect area;
        int mainLeft, mainTop, left, top;
    } rows[] = {
        {{0, 0, 1280, 1024}, 0, 0, 386, 0},        // right
        {{0, 20, 1024, 748}, 654, 388, 156, 386},  // left, kept on the screen
        {{0, 0, 868, 1024}, 0, 0, 386, 0},         // right, to the edge
        {{0, 0, 867, 1024}, 0, 0, 0, 396},         // below
        {{0, 0, 800, 600}, 0, 0, 318, 218},        // too small: bottom right
        {{0, 0, 1280, 1024}, 460, 314, 0, 642},    // centred: the farthest corner
        {{0, 0, 1280, 1024}, 455, 330, 798, 0},    // a tie across goes right
    };
    for (const auto& row : rows) {
        EXPECT_EQ(placeBeside({row.mainLeft, row.mainTop, 370, 380}, 482, 382, row.area),
                  (Rect{row.left, row.top, 482, 382}))
            << "row " << &row - rows;
    }
}

TEST(PlaceMainOfPair, CentresThePairWhereItFitsElseTheMainWindow) {
    EXPECT_EQ(placeMainOfPair(370, 380, 482, {0, 20, 1280, 1004}), (Rect{206, 332, 370, 380}));
    EXPECT_EQ(placeMainOfPair(370, 380, 482, {0, 0, 800, 600}), (Rect{215, 110, 370, 380}));
}

}  // namespace
}  // namespace vq72
