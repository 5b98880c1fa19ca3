// SPDX-License-Identifier: MIT
#include "window/report.h"

#include <gtest/gtest.h>

#include "support/harness.h"
#include "window/caption_colour.h"

namespace vq72 {
namespace {

TEST(ReportRoutine, AppendsWhileVisibleReplacesWhileHiddenHidesOnThe71stTickOrOnOk) {
    test::Harness h;
    ReportRoutine& r = h.program.report();
    r.ShowError("first", "A");
    h.clock.run(40);
    r.ShowError("second", "B");
    EXPECT_EQ(h.w.lblErrMsg.text(), "first\r\nsecond");
    EXPECT_EQ(h.w.frameError.text(), "B");
    h.clock.run(70);
    EXPECT_TRUE(h.w.frameError.visible());
    h.clock.step();
    EXPECT_FALSE(h.w.frameError.visible());
    EXPECT_EQ(r.ErrorPanelTicks, -1);
    r.ShowError("third", "C");
    EXPECT_EQ(h.w.lblErrMsg.text(), "third");
    h.clock.run(5);
    h.program.cmdErrOK_Click();
    EXPECT_FALSE(h.w.frameError.visible());
    EXPECT_EQ(r.ErrorPanelTicks, 0);
    h.clock.run(2);
    EXPECT_EQ(r.ErrorPanelTicks, -1);
}

// The contrast that the window's captions are measured with (WCAG 2 relative luminance).
TEST(CaptionColour, ContrastIsTheRatioOfRelativeLuminances) {
    EXPECT_NEAR(contrastRatio(kWhite, kBlack), 21.0, 0.01);
    EXPECT_NEAR(contrastRatio(kGreen, kWhite), 1.37, 0.01);
}

}  // namespace
}  // namespace vq72
