// "Done" means the device confirmed the text: a poll's "CT-OK" must never stand in for the
// text's, whenever the poll goes out around the text and however the replies are batched.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "osd/action_buttons.h"
#include "support/ready_link.h"
#include "support/status_history.h"

namespace vq72 {
namespace {

constexpr int kPort = 1;
constexpr int kReplyTicks = 2;  // from a write to its reply's arrival
constexpr const char* kReply = "VQ7240 CT-OK\r\n";

// A device that answers every "CTS" and, if it takes texts, every text, kReplyTicks after the
// write; in one batch all replies wait for the last one due.
struct Device {
    test::FakeSerialControl& serial;
    bool answersText;
    bool oneBatch;
    std::size_t seen = 0;
    std::vector<long> due;

    void step(long now) {
        for (; seen < serial.written.size(); ++seen) {
            if (serial.written[seen] == "CTS" || answersText) due.push_back(now + kReplyTicks);
        }
        if (due.empty() || (oneBatch ? due.back() : due.front()) > now) return;
        const std::size_t n = oneBatch ? due.size() : 1;
        std::string bytes;
        for (std::size_t i = 0; i < n; ++i) bytes += kReply;
        due.erase(due.begin(), due.begin() + static_cast<long>(n));
        serial.arrive(bytes);
    }
};

// Poll offset in ticks from the text's write (negative: the poll went out just before it),
// whether the device answers the text, and whether the replies come in one batch.
class TextConfirmation : public ::testing::TestWithParam<std::tuple<int, bool, bool>> {};

TEST_P(TextConfirmation, OnlyTheTextsOwnReplyShowsDone) {
    const auto [offset, answersText, oneBatch] = GetParam();
    test::Harness h;
    ASSERT_TRUE(test::loadWithReadyPort(h, kPort));
    Device device{h.serial, answersText, oneBatch, 0, {}};
    h.clock.between = [&] { device.step(h.clock.steps()); };

    const auto polls = [&] {
        return std::count(h.serial.written.begin(), h.serial.written.end(), "CTS");
    };
    ASSERT_GE(h.clock.runUntil([&] { return polls() == 1; }, 200), 0);
    // Polls go out every 102 ticks: the next one comes `offset` ticks after the write.
    h.clock.run(101 - offset);
    test::StatusHistory status(h.w);
    h.w.Text_input.setText("HELLO");
    h.program.cmd_button_Click(ActionButtons::kSave);
    ASSERT_EQ(h.serial.written.back().substr(0, 3), "CTT");
    h.clock.run(200);

    ASSERT_EQ(polls(), 3) << "the poll around the text and the one after it";
    const std::vector<std::string>& shown = status.texts;
    const bool done = std::find(shown.begin(), shown.end(), "Done") != shown.end();
    const bool noReply = std::find(shown.begin(), shown.end(), "No Reply") != shown.end();
    EXPECT_EQ(done, answersText);
    EXPECT_EQ(noReply, !answersText);
    EXPECT_EQ(h.w.state.TextSentPending, 0);
    EXPECT_EQ(h.w.lbl_txt_status.text(), "VQ72xx Found") << "the next poll is a detection again";
}

INSTANTIATE_TEST_SUITE_P(PollAroundTheText, TextConfirmation,
                         ::testing::Combine(::testing::Range(-2, 11), ::testing::Bool(),
                                            ::testing::Bool()));

TEST(TextConfirmation, AnUnconfirmedTextSaysNoReplyInTheNoDeviceColourAtTheDeadline) {
    test::Harness h;
    ASSERT_TRUE(test::loadWithReadyPort(h, kPort));
    // Right after a poll, so that no other write restarts the deadline.
    ASSERT_GE(h.clock.runUntil([&] { return !h.serial.written.empty(); }, 200), 0);
    h.w.Text_input.setText("HELLO");
    h.program.cmd_button_Click(ActionButtons::kSave);
    h.clock.run(CommandChannel::kReplyDeadlineTicks - 1);
    EXPECT_EQ(h.w.lbl_txt_status.text(), "Transfer Done.");
    h.serial.arrive("VQ7240 Time=\r");  // a batch in its quiet time holds the deadline
    h.clock.run(1);
    EXPECT_EQ(h.w.lbl_txt_status.text(), "Transfer Done.");
    h.clock.run(1);
    EXPECT_EQ(h.w.lbl_txt_status.text(), "No Reply");
    EXPECT_EQ(h.w.lbl_txt_status.backColour(), kMagenta);
    EXPECT_EQ(h.w.state.TextSentPending, 0);
}

TEST(TextConfirmation, RepliesOwedOverAPortThatClosedByItselfAreForgotten) {
    test::Harness h;
    ASSERT_TRUE(test::loadWithReadyPort(h, kPort));
    ASSERT_GE(h.clock.runUntil([&] { return !h.serial.written.empty(); }, 200), 0);
    h.serial.setPortOpen(false);  // the poll's reply went with the port
    h.w.Text_input.setText("HELLO");
    h.program.cmd_button_Click(ActionButtons::kSave);
    h.serial.arrive(kReply);
    h.clock.run(2);
    EXPECT_EQ(h.w.lbl_txt_status.text(), "Done");
}

}  // namespace
}  // namespace vq72
