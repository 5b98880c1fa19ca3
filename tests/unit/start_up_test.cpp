#include <gtest/gtest.h>

#include "support/harness.h"

namespace vq72 {
namespace {

using Lookup = AppServices::WindowLookup;

TEST(StartUp, FirstRunWritesDefaultsAndEndsWithDefaultOptions) {
    test::Harness h;
    h.program.Form_Load();
    EXPECT_EQ(h.settings.values[test::Harness::path("LogoSelect")], "1");
    EXPECT_FALSE(h.w.state.FormLoading);
    EXPECT_EQ(h.w.state.AppName, "VQ72_OSD");
    EXPECT_EQ(h.w.state.SkipComPort, -1);
    EXPECT_TRUE(h.w.opt_location[1].value());
    EXPECT_TRUE(h.w.opt_BK_WT[0].value());
    EXPECT_EQ(h.w.Text_input.text(), "");
    EXPECT_TRUE(h.w.tmrSplash.enabled());
    EXPECT_EQ(h.w.outerWidthTwips(), 5600);
    EXPECT_EQ(h.w.outerHeightTwips(), 5800);
    EXPECT_FALSE(h.w.frameError.visible()) << h.w.lblErrMsg.text();
}

// Records, at each option click, whether the load was still in progress.
TEST(StartUp, DefaultOptionsAreSelectedAfterLoadingEnds) {
    test::Harness h;
    std::vector<std::string> seen;
    h.w.setLocationClickHandler([&](int i) {
        seen.push_back("location " + std::to_string(i) + (h.w.state.FormLoading ? " loading" : ""));
    });
    h.w.setColourClickHandler([&](int i) {
        seen.push_back("colour " + std::to_string(i) + (h.w.state.FormLoading ? " loading" : ""));
    });
    h.w.Text_input.setText("left over");
    h.program.Form_Load();
    EXPECT_EQ(seen, (std::vector<std::string>{"location 1", "colour 0"}));
    EXPECT_EQ(h.w.Text_input.text(), "");
}

TEST(StartUp, SecondStartClosesTheRunningInstanceAndShowsNoSplash) {
    test::Harness h;
    h.app.otherInstance = true;
    h.app.otherWindow = Lookup::Enabled;
    h.program.Form_Load();
    ASSERT_GE(h.app.events.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(h.app.events.begin(), h.app.events.begin() + 3),
              (std::vector<std::string>{"activate(VQ72_OSD)", "postClose(VQ72_OSD)", "doEvents"}));
    EXPECT_FALSE(h.w.tmrSplash.enabled());
    EXPECT_FALSE(h.w.state.FormLoading);
}

}  // namespace
}  // namespace vq72
