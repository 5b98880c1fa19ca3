// A device that vanishes while the program polls it, and comes back at the same path.
#include <gtest/gtest.h>

#include <chrono>

#include "program_on_simulator.h"

namespace vq72::test {
namespace {

using PortReturn = ProgramOnSimulator;

constexpr int kFailedPollsWatched = 3;

TEST_F(PortReturn, VanishedPortIsReportedOnceAndTheDeviceIsFoundAgainWhenItReturns) {
    sim::Options options;
    // Gone once it has answered the second poll (whether that reply is read before the hang-up
    // is a race, as with a real unplugged adapter); back well after the failed polls below.
    options.vanishAfter = 2;
    options.returnAfter = std::chrono::milliseconds(1500);
    start(options);
    ASSERT_TRUE(statusWithin(kFound, kSettleLimitTicks));
    ASSERT_TRUE(nextWriteWithin(kPollLimitTicks));

    // The hang-up closes the port and is raised once, however often the line reports it.
    ASSERT_TRUE(processEventsUntil([&] {
        return device().portPath().empty() && serial.eventCount(comm_event::kPortLost) > 0;
    }));
    EXPECT_FALSE(serial.portOpen());

    ASSERT_TRUE(statusWithin("No Com Port", kPollLimitTicks));
    EXPECT_EQ(w.caption(), "VQ72_OSD (No Node Detected)");
    for (int poll = 0; poll < kFailedPollsWatched; ++poll) {
        w.lbl_txt_status.setText("");
        ASSERT_TRUE(statusWithin("No Com Port", kPollLimitTicks)) << "poll " << poll;
    }
    const std::vector<ReportSpy::Report> once{
        {"StartCom 02", "Invalid Port Number - Com-1 can't be used as a device interface."}};
    EXPECT_EQ(shownReports(), once);

    ASSERT_TRUE(processEventsUntil([&] { return !device().portPath().empty(); }, 5000));
    ASSERT_TRUE(statusWithin(kFound, kPollLimitTicks));

    EXPECT_EQ(shownReports(), once);
    EXPECT_EQ(serial.eventCount(comm_event::kPortLost), 1);
    // No storm of events: only replies (one or two receive events each) and the one loss.
    const int replies = static_cast<int>(device().log().size());
    EXPECT_EQ(static_cast<int>(serial.events.size()) - serial.eventCount(comm_event::kReceive), 1);
    EXPECT_LE(serial.eventCount(comm_event::kReceive), 2 * replies);
}

}  // namespace
}  // namespace vq72::test
