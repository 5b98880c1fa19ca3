// SPDX-License-Identifier: MIT
// "Done" means the device confirmed the last text, and "No Reply" that it did not, whatever the
// device's answer time, wherever a SAVE falls in the poll period, in bursts, on a paced line or
// not, and right after the port opens.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <tuple>
#include <vector>

#include "osd/action_buttons.h"
#include "support/ready_link.h"
#include "support/status_history.h"

namespace vq72 {
namespace {

constexpr int kPort = 1;
constexpr double kTickMs = 25;
constexpr double kByteMs = 10.0 / 9.6;  // 9600 baud, 8N1
constexpr const char* kReply = "VQ7240 CT-OK\r\n";
constexpr const char* kTextCommand = "CTT";

// The device at the far end of the fake port, in milliseconds: frames reach it over the line
// (paced: one byte time each), it answers each "CTS" and, unless it ignores texts, each text
// `delayMs` after the frame's end, and its replies come back over the line in order.
struct LineDevice {
    test::FakeSerialControl& serial;
    double delayMs;
    bool answersText;
    bool paced;
    std::size_t seen = 0;
    double lineToDeviceFree = 0;
    double lineToHostFree = 0;
    std::deque<std::pair<double, char>> toHost;  // when each byte reaches the host

    double byteMs() const { return paced ? kByteMs : 0; }

    // Takes the frames written up to `now`.
    void take(double now) {
        for (; seen < serial.written.size(); ++seen) {
            const std::string& frame = serial.written[seen];
            const double end = std::max(now, lineToDeviceFree) + frame.size() * byteMs();
            lineToDeviceFree = end;
            if (frame == "CTS" || answersText) answer(end + delayMs);
        }
    }
    void answer(double at) {
        double t = std::max(at, lineToHostFree);
        for (const char c : std::string(kReply)) toHost.emplace_back(t += byteMs(), c);
        lineToHostFree = t;
    }
    void deliver(double now) {
        std::string bytes;
        for (; !toHost.empty() && toHost.front().first <= now; toHost.pop_front())
            bytes += toHost.front().second;
        if (!bytes.empty()) serial.arrive(bytes);
    }
};

struct Scene {
    test::Harness h;
    LineDevice device;
    test::StatusHistory status{h.w};
    std::vector<double> saveAt;  // when the SAVEs are clicked, in ms
    std::size_t clicked = 0;
    long lastSaveStep = -1;
    std::size_t shownAtLastSave = 0;

    Scene(double delayMs, bool answersText, bool paced)
        : device{h.serial, delayMs, answersText, paced, 0, 0, 0, {}} {
        h.clock.between = [this] { between(); };
    }
    double now() const { return h.clock.steps() * kTickMs; }
    void between() {
        device.take(now());
        for (; clicked < saveAt.size() && saveAt[clicked] <= now(); ++clicked) {
            h.w.Text_input.setText("HELLO");
            h.program.cmd_button_Click(ActionButtons::kSave);
            device.take(saveAt[clicked]);
            lastSaveStep = h.clock.steps();
            shownAtLastSave = status.texts.size();
        }
        device.deliver(now());
    }
    void burst(double firstMs, int count, double spacingMs) {
        for (int i = 0; i < count; ++i) saveAt.push_back(firstMs + i * spacingMs);
    }
    long polls() const {
        return std::count(h.serial.written.begin(), h.serial.written.end(), "CTS");
    }
    bool showed(const std::string& text, std::size_t from) const {
        return std::find(status.texts.begin() + static_cast<long>(from), status.texts.end(),
                         text) != status.texts.end();
    }

    // Runs the SAVEs and what follows them, then checks the outcome. With an answered text:
    // "Done" after the last SAVE, never "No Reply". Otherwise never "Done"; "No Reply" exactly
    // kDeadlineTicks after the last SAVE, on magenta, kept kShownTicks against the polls'
    // answers, then the colour before comes back and a poll's answer replaces it.
    void runAndCheck() {
        const Colour colourBefore = h.w.lbl_txt_status.backColour();
        const std::size_t shownBefore = status.texts.size();
        ASSERT_GE(h.clock.runUntil([&] { return clicked == saveAt.size(); }, 400), 0);
        ASSERT_EQ(std::count_if(h.serial.written.begin(), h.serial.written.end(),
                                [](const std::string& c) { return c.rfind(kTextCommand, 0) == 0; }),
                  static_cast<long>(saveAt.size()));
        if (device.answersText) {
            ASSERT_GE(h.clock.runUntil([&] { return showed("Done", shownAtLastSave); },
                                       ReplyLedger::kDeadlineTicks + 40),
                      0);
            h.clock.run(200);
            EXPECT_FALSE(showed(NoReplyNotice::kText, shownBefore));
            EXPECT_EQ(h.w.state.TextSentPending, 0);
            return;
        }
        h.clock.run(
            static_cast<int>(lastSaveStep + ReplyLedger::kDeadlineTicks - 1 - h.clock.steps()));
        EXPECT_EQ(h.w.lbl_txt_status.text(), "Transfer Done.");
        h.clock.step();
        EXPECT_EQ(h.w.lbl_txt_status.text(), NoReplyNotice::kText);
        EXPECT_EQ(h.w.lbl_txt_status.backColour(), kMagenta);
        const long pollsBefore = polls();
        h.clock.run(NoReplyNotice::kShownTicks - 1);
        EXPECT_EQ(h.w.lbl_txt_status.text(), NoReplyNotice::kText);
        EXPECT_GT(polls(), pollsBefore) << "the polls go on meanwhile";
        h.clock.step();
        EXPECT_EQ(h.w.lbl_txt_status.backColour(), colourBefore);
        ASSERT_GE(
            h.clock.runUntil([&] { return h.w.lbl_txt_status.text() == "VQ72xx Found"; }, 200), 0);
        EXPECT_FALSE(showed("Done", shownBefore));
    }
};

// Loads with a ready port and runs until the device has answered the first poll.
void startPolling(Scene& s) {
    ASSERT_TRUE(test::loadWithReadyPort(s.h, kPort));
    ASSERT_GE(s.h.clock.runUntil([&] { return s.polls() == 1; }, 200), 0);
    ASSERT_GE(
        s.h.clock.runUntil([&] { return s.h.w.lbl_txt_status.text() == "VQ72xx Found"; }, 120), 0);
}

constexpr double kAnswerMs[] = {0, 500, 1500, 2200, 2500};

// Answer time, whether the device answers texts, and the SAVE's offset from a poll in 50 ms.
class SaveInThePollPeriod : public ::testing::TestWithParam<std::tuple<double, bool, int>> {};

TEST_P(SaveInThePollPeriod, ConfirmsExactlyTheAnsweredText) {
    const auto [answerMs, answersText, offset] = GetParam();
    Scene s(answerMs, answersText, true);
    startPolling(s);
    const long pollsSoFar = s.polls();
    ASSERT_GE(s.h.clock.runUntil([&] { return s.polls() > pollsSoFar; }, 200), 0);
    s.burst(s.now() + offset * 50.0, 1, 0);
    s.runAndCheck();
}

INSTANTIATE_TEST_SUITE_P(Matrix, SaveInThePollPeriod,
                         ::testing::Combine(::testing::ValuesIn(kAnswerMs), ::testing::Bool(),
                                            ::testing::Range(0, 51)));

// Answer time, whether the device answers texts, SAVEs in the burst, ms between them, paced.
class SaveBurst : public ::testing::TestWithParam<std::tuple<double, bool, int, double, bool>> {};

TEST_P(SaveBurst, ConfirmsOnlyWhenEveryTextIsAnswered) {
    const auto [answerMs, answersText, count, spacingMs, paced] = GetParam();
    Scene s(answerMs, answersText, paced);
    startPolling(s);
    s.burst(s.now() + 700, count, spacingMs);
    s.runAndCheck();
}

INSTANTIATE_TEST_SUITE_P(Matrix, SaveBurst,
                         ::testing::Combine(::testing::ValuesIn(kAnswerMs), ::testing::Bool(),
                                            ::testing::Values(1, 5, 10, 20),
                                            ::testing::Values(20.0, 60.0, 100.0),
                                            ::testing::Bool()));

// Answer time, whether the device answers texts, and the SAVE's time after the port opened in
// 100 ms, while the port settles.
class SaveWhileThePortSettles : public ::testing::TestWithParam<std::tuple<double, bool, int>> {};

TEST_P(SaveWhileThePortSettles, IsConfirmedAsSoonAsTheDeviceAnswers) {
    const auto [answerMs, answersText, offset] = GetParam();
    Scene s(answerMs, answersText, true);
    s.h.serial.present.insert(kPort);
    s.h.settings.values[test::Harness::path("ComPort")] = " " + std::to_string(kPort);
    s.h.program.Form_Load();
    ASSERT_TRUE(s.h.serial.portOpen());
    s.burst(s.now() + offset * 100.0, 1, 0);
    ASSERT_GE(s.h.clock.runUntil([&] { return s.clicked == 1; }, 100), 0);
    ASSERT_FALSE(s.h.w.state.PortReady);
    s.runAndCheck();
}

INSTANTIATE_TEST_SUITE_P(Matrix, SaveWhileThePortSettles,
                         ::testing::Combine(::testing::Values(20.0, 1500.0, 2500.0),
                                            ::testing::Bool(), ::testing::Range(0, 21)));

// A program polling on a ready port 1, its first poll written.
struct TextConfirmation : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(test::loadWithReadyPort(h, kPort));
        ASSERT_GE(h.clock.runUntil([&] { return !h.serial.written.empty(); }, 200), 0);
    }
    void save() {
        h.w.Text_input.setText("HELLO");
        h.program.cmd_button_Click(ActionButtons::kSave);
    }
    test::Harness h;
};

TEST_F(TextConfirmation, ABatchInItsQuietTimeHoldsTheDeadline) {
    h.serial.arrive(kReply);
    h.clock.run(3);
    save();
    h.clock.run(ReplyLedger::kDeadlineTicks - 1);
    h.serial.arrive("VQ7240 Time=\r");
    h.clock.run(1);
    EXPECT_EQ(h.w.lbl_txt_status.text(), "Transfer Done.");
    h.clock.run(1);
    EXPECT_EQ(h.w.lbl_txt_status.text(), NoReplyNotice::kText);
}

TEST_F(TextConfirmation, AcknowledgementsCutFromALongBatchStillCount) {
    h.serial.arrive(kReply);
    h.clock.run(3);
    std::string batch;
    for (int i = 0; i < 8; ++i) {
        save();
        batch += kReply;
    }
    h.serial.arrive(batch);  // 112 characters: the first reply is cut through
    h.clock.run(3);
    EXPECT_EQ(h.w.lbl_txt_status.text(), "Done");
}

TEST_F(TextConfirmation, RepliesOwedOverAPortThatClosedByItselfAreForgotten) {
    h.serial.setPortOpen(false);  // the poll's reply went with the port
    save();
    h.serial.arrive(kReply);
    h.clock.run(2);
    EXPECT_EQ(h.w.lbl_txt_status.text(), "Done");
}

TEST_F(TextConfirmation, ALostPollAnswerDoesNotShiftTheAnswersAfterIt) {
    for (std::size_t polls = 2; polls <= 4; ++polls) {  // the first poll's answer is lost
        ASSERT_GE(h.clock.runUntil([&] { return h.serial.written.size() == polls; }, 200), 0);
        h.serial.arrive(kReply);
        h.clock.run(3);
    }
    save();
    h.serial.arrive(kReply);
    h.clock.run(2);
    EXPECT_EQ(h.w.lbl_txt_status.text(), "Done");
}

TEST_F(TextConfirmation, ANewTextEndsTheNoReplyNoticeAndItsColour) {
    h.serial.arrive(kReply);
    h.clock.run(3);
    const Colour before = h.w.lbl_txt_status.backColour();
    save();
    h.clock.run(ReplyLedger::kDeadlineTicks);
    ASSERT_EQ(h.w.lbl_txt_status.text(), NoReplyNotice::kText);
    h.program.cmd_button_Click(ActionButtons::kBlank);
    EXPECT_EQ(h.w.lbl_txt_status.text(), "Transfer Done.");
    EXPECT_EQ(h.w.lbl_txt_status.backColour(), before);
    h.serial.arrive(kReply);
    h.clock.run(3);
    EXPECT_EQ(h.w.lbl_txt_status.text(), "Done");
}

}  // namespace
}  // namespace vq72
