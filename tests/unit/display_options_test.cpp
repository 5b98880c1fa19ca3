#include <gtest/gtest.h>

#include <string>

#include "support/osd_rig.h"

namespace vq72 {
namespace {

const std::string kDLE(1, '\x10');
const std::string kACK(1, '\x06');

// The options run row by row (top, middle, bottom), each row left, centre, right; the box
// aligns the text as the device will place it.
TEST(OptLocationClick, EachPositionSetsItsRowColumnCodeAndAlignsTheBox) {
    const TextAlign byColumn[] = {TextAlign::Left, TextAlign::Centre, TextAlign::Right};
    for (int index = 0; index < 9; ++index) {
        test::OsdRig r;
        // Leave the start-up choice first, so that every index is reached by a change.
        r.w.opt_location[index == 0 ? 8 : 0].setValue(true);
        r.w.opt_location[index].setValue(true);
        const std::string code = std::to_string(index / 3 + 1) + std::to_string(index % 3 + 1);
        EXPECT_EQ(r.w.state.LocationCode, kDLE + code) << "index " << index;
        EXPECT_EQ(r.w.Text_input.alignment(), byColumn[index % 3]) << "index " << index;
        EXPECT_EQ(r.w.state.TextAlignment, static_cast<int>(byColumn[index % 3]));
    }
}

TEST(OptBkWtClick, BlackOnWhiteThenWhiteOnBlackGiveEightThenSeven) {
    test::OsdRig r;
    r.w.opt_BK_WT[1].setValue(true);
    EXPECT_EQ(r.w.state.ColorCode, kACK + "8");
    r.w.opt_BK_WT[0].setValue(true);
    EXPECT_EQ(r.w.state.ColorCode, kACK + "7");
    r.w.state.ColorCode = "untouched";
    r.options.opt_BK_WT_Click(0);
    EXPECT_EQ(r.w.state.ColorCode, "untouched");
}

}  // namespace
}  // namespace vq72
