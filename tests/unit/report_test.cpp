#include <gtest/gtest.h>

#include "support/harness.h"

namespace vq72 {
namespace {

TEST(ReportRoutine, ReportFillsPlacesAndShowsThePanel) {
    test::Harness h;
    h.program.report().ShowError("Something failed", "SendCom");
    EXPECT_EQ(h.w.frameError.text(), "SendCom");
    EXPECT_EQ(h.w.frameError.geometry(), (Rect{90, 70, 219, 119}));
    EXPECT_EQ(h.w.lblErrMsg.text(), "Something failed");
    EXPECT_EQ(h.program.report().ErrorPanelTicks, 70);
    EXPECT_TRUE(h.w.frameError.visible());
}

TEST(ReportRoutine, AppendsWhileVisibleAndReplacesWhileHidden) {
    test::Harness h;
    ReportRoutine& r = h.program.report();
    r.ShowError("first", "A");
    h.clock.run(10);
    r.ShowError("second", "B");
    EXPECT_EQ(h.w.lblErrMsg.text(), "first\r\nsecond");
    EXPECT_EQ(h.w.frameError.text(), "B");
    EXPECT_EQ(h.program.report().ErrorPanelTicks, 70);
    r.cmdErrOK_Click();
    r.ShowError("third", "C");
    EXPECT_EQ(h.w.lblErrMsg.text(), "third");
}

TEST(ReportRoutine, PanelHidesOnThe71stTickAfterTheLastReport) {
    test::Harness h;
    h.program.report().ShowError("first", "A");
    h.clock.run(40);
    h.program.report().ShowError("second", "B");
    h.clock.run(70);
    EXPECT_TRUE(h.w.frameError.visible());
    h.clock.step();
    EXPECT_FALSE(h.w.frameError.visible());
    EXPECT_EQ(h.program.report().ErrorPanelTicks, -1);
}

TEST(ReportRoutine, OkHidesAtOnceAndTheNextTickGoesIdle) {
    test::Harness h;
    h.program.report().ShowError("oops", "A");
    h.clock.run(5);
    h.program.cmdErrOK_Click();
    EXPECT_FALSE(h.w.frameError.visible());
    EXPECT_EQ(h.program.report().ErrorPanelTicks, 0);
    h.clock.step();
    EXPECT_EQ(h.program.report().ErrorPanelTicks, -1);
    h.clock.step();
    EXPECT_EQ(h.program.report().ErrorPanelTicks, -1);
}

}  // namespace
}  // namespace vq72
