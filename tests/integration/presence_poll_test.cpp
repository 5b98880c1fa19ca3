// The presence poll of the whole program against the simulated device: a device that answers,
// one that never answers, a banner and line noise.
#include <gtest/gtest.h>

#include "program_on_simulator.h"

namespace vq72::test {
namespace {

constexpr const char* kCtsLogLine = "CTS 43 54 53";
constexpr int kPollsWatched = 3;

using PresencePoll = ProgramOnSimulator;

void expectFoundShown(const MainWindowModel& w) {
    EXPECT_EQ(w.lbl_txt_status.text(), "VQ72xx Found");
    EXPECT_EQ(w.lbl_txt_status.backColour(), kGreen);
    EXPECT_EQ(w.txtCom.backColour(), kGreen);
    EXPECT_EQ(w.caption(), "VQ72_OSD (VQ72xx Found)");
}

TEST_F(PresencePoll, RestoredPortFindsTheDeviceAndEveryPollSendsExactlyCts) {
    start();
    EXPECT_EQ(w.txtCom.text(), "1");
    ASSERT_TRUE(portSettles());
    ASSERT_TRUE(statusWithin(kFound, kSettleLimitTicks));
    expectFoundShown(w);

    for (int poll = 0; poll < kPollsWatched; ++poll) {
        w.lbl_txt_status.setText("");
        ASSERT_TRUE(nextWriteWithin(kPollLimitTicks));
        ASSERT_TRUE(statusWithin(kFound, kPollLimitTicks)) << "poll " << poll;
        expectFoundShown(w);
    }

    const auto log = device().log();
    EXPECT_EQ(log.size(), serial.written.size());
    EXPECT_EQ(log, std::vector<std::string>(log.size(), kCtsLogLine));
    EXPECT_EQ(serial.writtenCount("CTS"), static_cast<int>(serial.written.size()));
    EXPECT_EQ(shownReports(), std::vector<ReportSpy::Report>{});
}

TEST_F(PresencePoll, BannerAndLineNoiseChangeNothingVisibleAndEveryPollStillFindsTheDevice) {
    sim::Options options;
    options.banner = true;
    options.garbage = true;
    start(options);
    ASSERT_TRUE(portSettles());
    ASSERT_TRUE(statusWithin(kFound, kSettleLimitTicks));

    for (int poll = 0; poll < kPollsWatched; ++poll) {
        // A burst of noise (20 bytes or more: a receive event) arrives between two exchanges.
        ASSERT_TRUE(processEventsUntil([&] { return w.state.RxWaitTicks > 0; }, 5000));
        clock.run(ReplyReader::kQuietTicks + 1);
        expectFoundShown(w);

        w.lbl_txt_status.setText("");
        ASSERT_TRUE(nextWriteWithin(kPollLimitTicks));
        ASSERT_TRUE(statusWithin(kFound, kPollLimitTicks)) << "poll " << poll;
        expectFoundShown(w);
    }
    const auto log = device().log();
    EXPECT_EQ(log, std::vector<std::string>(log.size(), kCtsLogLine));
    EXPECT_EQ(shownReports(), std::vector<ReportSpy::Report>{});
}

TEST_F(PresencePoll, SilentDeviceShowsNoDeviceAtTick800AndClosesThePortAtTick1200) {
    sim::Options options;
    options.silent = true;
    start(options);

    clock.run(LinkSupervision::kNoDeviceTicks);
    EXPECT_EQ(w.lbl_txt_status.text(), "No Device");
    EXPECT_EQ(w.txtCom.backColour(), kMagenta);
    EXPECT_EQ(status.firstStep("No Device"), LinkSupervision::kNoDeviceTicks);
    EXPECT_TRUE(serial.portOpen());

    clock.run(LinkSupervision::kPortDroppedTicks - LinkSupervision::kNoDeviceTicks);
    EXPECT_EQ(w.lbl_txt_status.text(), "No Com Port");
    EXPECT_EQ(w.txtCom.backColour(), kRed);
    EXPECT_EQ(status.firstStep("No Com Port"), LinkSupervision::kPortDroppedTicks);
    EXPECT_FALSE(serial.portOpen());

    EXPECT_EQ(status.firstStep(kFound), -1);
    EXPECT_EQ(w.caption().find(kFound), std::string::npos);
    EXPECT_EQ(serial.eventCount(comm_event::kReceive), 0);
    EXPECT_EQ(shownReports(), std::vector<ReportSpy::Report>{});
    // The device was polled all along, and took every "CTS" whole.
    const auto log = device().log();
    EXPECT_GE(log.size(), 10u);
    EXPECT_EQ(log, std::vector<std::string>(log.size(), kCtsLogLine));
}

}  // namespace
}  // namespace vq72::test
