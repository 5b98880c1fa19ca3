// SPDX-License-Identifier: MIT
// The demo's second window beside the main one, on screens large and small.
#include "window/window_placement.h"

#include <gtest/gtest.h>

namespace vq72 {
namespace {

// Frames as a window manager draws them: the main window and the simulated monitor.
constexpr int kMainWidth = 370, kMainHeight = 380, kWidth = 482, kHeight = 382;

TEST(PlaceBeside, RightBelowOrLeftOfTheMainWindowElseTheFarthestCorner) {
    struct Row {
        Rect area;
        int mainLeft, mainTop;
        int left, top;
    };
    for (const Row& row : {
             Row{{0, 0, 1280, 1024}, 0, 0, 386, 0},        // right
             Row{{0, 20, 1024, 748}, 654, 388, 156, 386},  // left, kept on the screen
             Row{{0, 0, 868, 1024}, 0, 0, 386, 0},         // right, to the edge
             Row{{0, 0, 867, 1024}, 0, 0, 0, 396},         // below
             Row{{0, 0, 800, 600}, 0, 0, 318, 218},        // too small: bottom right
             Row{{0, 0, 1280, 1024}, 460, 314, 0, 642},    // centred: the farthest corner
             Row{{0, 0, 1280, 1024}, 455, 330, 798, 0},    // a tie across goes right
         }) {
        const Rect main{row.mainLeft, row.mainTop, kMainWidth, kMainHeight};
        EXPECT_EQ(placeBeside(main, kWidth, kHeight, row.area),
                  (Rect{row.left, row.top, kWidth, kHeight}))
            << row.area.width << "x" << row.area.height << " main at " << row.mainLeft << ","
            << row.mainTop;
    }
}

}  // namespace
}  // namespace vq72
