// The presence poll of the whole program against the simulated device on a real line.
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

}  // namespace
}  // namespace vq72::test
