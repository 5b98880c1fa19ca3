// "SAVE" through the whole program at 9600-baud pacing, pressed while a poll's reply waits out
// its quiet time: taking that reply must not cut the command still on its way, and only the
// command's own reply confirms it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <string>

#include "osd/action_buttons.h"
#include "program_on_simulator.h"
#include "sim/frame_log.h"

namespace vq72::test {
namespace {

using OsdSaveLink = ProgramOnSimulator;

TEST_F(OsdSaveLink, SaveDuringAReplysQuietTimeReachesTheDeviceWholeAndIsAcknowledged) {
    sim::Options options;
    options.pace = true;
    start(options);
    ASSERT_TRUE(statusWithin(kFound, kSettleLimitTicks));

    w.Text_input.setText("HELLO");

    // The next poll's reply has arrived and its quiet time runs.
    ASSERT_TRUE(nextWriteWithin(kPollLimitTicks));
    ASSERT_TRUE(processEventsUntil([&] {
        return w.state.RxWaitTicks > 0 && device().pendingAnswers() == 0 &&
               device().unreadByHost() == 0;
    }));
    const std::size_t writtenBefore = serial.written.size();
    program.cmd_button_Click(ActionButtons::kSave);
    ASSERT_EQ(serial.written.size(), writtenBefore + 1);
    const std::string command = serial.written.back();

    // The quiet time ends while the command is still on the line (36 byte times): the poll's
    // reply is taken before the device has read the command; it does not confirm
    // the text.
    clock.between = [] { QCoreApplication::processEvents(); };
    ASSERT_GE(clock.runUntil([&] { return w.state.Replies.owed() == 1; }, 5), 0);
    EXPECT_EQ(w.state.TextSentPending, 1);
    clock.between = [this] { letTheLineSettle(); };
    ASSERT_TRUE(statusWithin("Done", 10));

    const auto log = device().log();
    ASSERT_EQ(log.size(), serial.written.size());
    EXPECT_EQ(log.back(), sim::formatLogLine({sim::FrameKind::Osd, command, {}}));
    for (const std::string& line : log) EXPECT_NE(line.substr(0, 3), "BAD") << line;
    EXPECT_TRUE(shownReports().empty());
}

}  // namespace
}  // namespace vq72::test
