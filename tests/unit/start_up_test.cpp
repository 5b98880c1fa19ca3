#include <gtest/gtest.h>

#include "support/harness.h"

namespace vq72 {
namespace {

TEST(StartUp, FirstRunWritesDefaultsAndEndsWithDefaultOptions) {
    test::Harness h;
    h.program.Form_Load();
    EXPECT_EQ(h.settings.values[test::Harness::path("LogoSelect")], "1");
    EXPECT_FALSE(h.w.state.FormLoading);
    EXPECT_EQ(h.w.state.AppName, "VQ72_OSD");
    EXPECT_TRUE(h.w.opt_location[1].value());
    EXPECT_TRUE(h.w.opt_BK_WT[0].value());
    EXPECT_EQ(h.w.Text_input.text(), "");
    EXPECT_TRUE(h.w.tmrSplash.enabled());
    EXPECT_EQ(h.w.outerWidthTwips(), 5600);
    EXPECT_EQ(h.w.outerHeightTwips(), 5800);
}

}  // namespace
}  // namespace vq72
