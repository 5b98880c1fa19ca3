#include <gtest/gtest.h>

#include <string>

#include "support/osd_rig.h"

namespace vq72 {
namespace {

const std::string kDLE(1, '\x10');
const std::string kACK(1, '\x06');

TEST(OptLocationClick, EachPositionSetsItsCodeAndAlignsTheBox) {
    const struct {
        int index;
        const char* code;
        TextAlign align;
    } cases[] = {
        {0, "11", TextAlign::Left}, {1, "12", TextAlign::Centre}, {2, "13", TextAlign::Right},
        {3, "21", TextAlign::Left}, {4, "22", TextAlign::Centre}, {5, "23", TextAlign::Right},
        {6, "31", TextAlign::Left}, {7, "32", TextAlign::Centre}, {8, "33", TextAlign::Right},
    };
    for (const auto& c : cases) {
        test::OsdRig r;
        // Leave the start-up choice first, so that every index, the start-up one included, is
        // reached by a change of selection.
        r.w.opt_location[c.index == 0 ? 8 : 0].setValue(true);
        r.w.opt_location[c.index].setValue(true);
        EXPECT_EQ(r.w.state.LocationCode, kDLE + c.code) << "index " << c.index;
        EXPECT_EQ(r.w.state.TextAlignment, static_cast<int>(c.align)) << "index " << c.index;
        EXPECT_EQ(r.w.Text_input.alignment(), c.align) << "index " << c.index;
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
