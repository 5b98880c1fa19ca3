// SPDX-License-Identifier: MIT
#include "protocol/link_supervision.h"

#include <gtest/gtest.h>

#include "support/ready_link.h"

namespace vq72 {
namespace {

using test::Harness;
using test::ReportSpy;

// Steps at which "CTS" was written, counted from `from`.
std::vector<long> ctsSteps(Harness& h, int steps) {
    std::vector<long> at;
    const long from = h.clock.steps();
    for (int i = 0; i < steps; ++i) {
        const std::size_t before = h.serial.written.size();
        h.clock.step();
        if (h.serial.written.size() > before && h.serial.written.back() == "CTS") {
            at.push_back(h.clock.steps() - from);
        }
    }
    return at;
}

struct ReadyTick : ::testing::Test, test::ReadyProgram {
    void SetUp() override {
        ASSERT_TRUE(prepare());
        ASSERT_EQ(h.program.supervision().PollTicks, 0);
    }
};

TEST(Watchdog, ActsOnTheCountTheTickReaches) {
    const struct {
        int count;  // the count this tick reaches
        bool noDevice;
        bool dropped;
        bool reopenRequest;
    } cases[] = {{500, false, false, false},
                 {700, false, false, true},
                 {799, false, false, false},
                 {800, true, false, false},
                 {1200, false, true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        test::ReadyProgram ready;
        ASSERT_TRUE(ready.prepare());
        Harness& h = ready.h;
        h.w.state.TicksSinceReply = c.count - 1;
        h.program.supervision().PollTicks = -1000;  // no poll in this tick
        h.program.tmr_Delay_Timer();

        EXPECT_EQ(h.w.lbl_txt_status.text(), c.noDevice  ? "No Device"
                                             : c.dropped ? "No Com Port"
                                                         : "");
        EXPECT_EQ(h.w.txtCom.backColour(), c.noDevice ? kMagenta : c.dropped ? kRed : kGreen);
        EXPECT_EQ(h.w.mnuUpLoadLogo.enabled(), !c.noDevice);
        EXPECT_EQ(h.serial.portOpen(), !c.dropped);
        EXPECT_EQ(h.w.state.TicksSinceReply, c.dropped ? 601 : c.count);
        EXPECT_EQ(h.w.state.ReopenBeforeSend, c.reopenRequest);
        EXPECT_FALSE(h.w.state.CmdBusy);
    }
}

TEST_F(ReadyTick, PresencePollOnThe51stEligibleTickAndEvery102AfterPausedByATextTransfer) {
    h.clock.run(30);
    h.w.state.TextTransferBusy = true;
    EXPECT_TRUE(ctsSteps(h, 200).empty());
    h.w.state.TextTransferBusy = false;
    EXPECT_EQ(ctsSteps(h, 250), (std::vector<long>{21, 123, 225}));
}

// A sleeping timer driver still wakes for the last tick of a reply's quiet time.
TEST_F(ReadyTick, TheLastTickOfTheQuietTimeIsDue) {
    h.serial.arrive("VQ7240 CT-OK\r\n");
    h.clock.step();
    ASSERT_EQ(h.w.state.RxWaitTicks, 1);
    EXPECT_EQ(h.clock.ticks().nextDueTick(), h.clock.steps() + 1);
}

TEST(PortRetry, ReinitialisesOnTicks401802And1203WhileNotReady) {
    Harness h;
    h.w.state.ComPortNumber = 5;
    std::vector<long> retries;
    for (int tick = 1; tick <= 1300; ++tick) {
        const int before = h.serial.count("setCommPort(5)");
        h.clock.step();
        if (h.serial.count("setCommPort(5)") > before) retries.push_back(tick);
    }
    EXPECT_EQ(retries, (std::vector<long>{401, 802, 1203}));
}

TEST_F(ReadyTick, AFailingTickIsReportedAndSkipsTheRestOfThatTick) {
    h.w.state.TicksSinceReply = 1199;
    h.program.supervision().PollTicks = 50;  // this tick would send "CTS"
    h.program.report().ErrorPanelTicks = 5;
    h.serial.failures.fail("setPortOpen(false)", 9005, "Input/output error", true);
    const std::size_t written = h.serial.written.size();
    h.clock.step();
    EXPECT_EQ(spy.reports,
              (std::vector<ReportSpy::Report>{{"Tmr_Delay_Timer", "Input/output error"}}));
    EXPECT_EQ(h.w.state.TicksSinceReply, 1200);
    EXPECT_EQ(h.serial.written.size(), written);
    EXPECT_EQ(h.program.supervision().PollTicks, 50);

    h.clock.step();
    EXPECT_EQ(h.serial.written.size(), written + 1) << "the next tick starts again at step 1";
}

}  // namespace
}  // namespace vq72
