// SPDX-License-Identifier: MIT
#include "protocol/reply_reader.h"

#include <gtest/gtest.h>

#include "support/ready_link.h"

namespace vq72 {
namespace {

using test::Harness;
using test::ReportSpy;

struct ReadyLink : ::testing::Test, test::ReadyProgram {
    void SetUp() override { ASSERT_TRUE(prepare()); }
    // Delivers bytes as the device sends them, then lets the quiet time run out.
    void reply(const std::string& bytes, int quietTicks = 2) {
        h.serial.arrive(bytes);
        h.clock.run(quietTicks);
    }
};

using ReplyBatch = ReadyLink;

TEST_F(ReplyBatch, TenCharactersAreDroppedAndElevenInterpreted) {
    h.w.state.TicksSinceReply = 50;
    h.serial.received = "CT-OK\r\n123";  // 10 bytes: below the event threshold
    h.program.reader().RecvData();
    h.clock.run(2);
    EXPECT_EQ(h.w.lbl_txt_status.text(), "");
    EXPECT_GE(h.w.state.TicksSinceReply, 50) << "a dropped batch does not reset the watchdog";
    EXPECT_TRUE(h.program.reader().RxBuffer.empty());

    reply("VQ72 CT-OK\r");  // 11 bytes
    EXPECT_EQ(h.w.lbl_txt_status.text(), "VQ72xx Found");
    EXPECT_EQ(h.w.caption(), "VQ72_OSD (VQ72xx Found)");
    EXPECT_EQ(h.w.lbl_txt_status.backColour(), kGreen);
    EXPECT_EQ(h.w.txtCom.backColour(), kGreen);
    EXPECT_EQ(h.w.state.TicksSinceReply, 1) << "reset by the batch, then counted by the same tick";
}

// Bytes that arrive while a batch is interpreted (here: while its report is shown) are the next
// batch, not lost.
TEST_F(ReplyBatch, IsSplitAtCarriageReturnsAndKeepsWhatArrivesMeanwhile) {
    struct ArrivalDuringReport : MainWindowListener {
        explicit ArrivalDuringReport(test::Harness& harness) : h(harness) {}
        void controlChanged(const Control& control, ControlProperty) override {
            if (&control != &h.w.lblErrMsg || bytes.empty()) return;
            h.serial.received += bytes;  // no receive event yet
            bytes.clear();
        }
        test::Harness& h;
        std::string bytes;
    } arrival(h);
    h.w.addListener(&arrival);
    arrival.bytes = "VQ7240 CT-OK\r";
    reply("x BGERR\r\nVQ7240 BG001M");
    h.w.removeListener(&arrival);
    EXPECT_EQ(spy.reports, (std::vector<ReportSpy::Report>{
                               {"Task incomplete", "A file transfer error has occured."}}));
    EXPECT_EQ(h.w.caption(), "VQ72_OSD");
    EXPECT_EQ(h.w.lbl_txt_status.text(), "");
    reply("");
    EXPECT_EQ(h.w.lbl_txt_status.text(), "VQ72xx Found");
}

TEST_F(ReadyLink, TheFirstTokenFoundInALineDecides) {
    const struct {
        std::string line;
        std::string status;
        std::string caption;
        std::vector<ReportSpy::Report> reports;
    } cases[] = {{"(C) Flarn VQ7240 CT-OK\r", "", "", {}},  // the banner hides CT-OK
                 {"Time=12 BGERA\r", "", "", {}},
                 {"BGERA\r", "", "", {{"Task Done", "Image 0 is now erased."}}},
                 {"BG001M BGERR\r", "", "VQ72_OSD", {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        h.w.lbl_txt_status.setText("");
        h.w.setCaption("");
        spy.reports.clear();
        h.program.reader().ProcessData(c.line);
        EXPECT_EQ(h.w.lbl_txt_status.text(), c.status);
        EXPECT_EQ(h.w.caption(), c.caption);
        EXPECT_EQ(spy.reports, c.reports);
    }
}

// A failure while reading the input tears reception down without a word; a failure of the byte
// count is reported before the same teardown.
TEST(ReplyFailure, OnlyAFailureAfterTheReadIsReported) {
    const struct {
        const char* call;
        std::vector<ReportSpy::Report> reports;
    } cases[] = {{"input", {}}, {"inBufferCount", {{"RecvData", "simulated failure "}}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        test::ReadyProgram r;
        ASSERT_TRUE(r.prepare());
        r.h.serial.failures.fail(c.call, 9005);
        r.h.serial.arrive("VQ7240 CT-OK\r\n");
        r.h.clock.run(2);
        EXPECT_EQ(r.spy.reports, c.reports);
        EXPECT_FALSE(r.h.serial.portOpen());
        EXPECT_FALSE(r.h.w.state.PortReady);
        EXPECT_EQ(r.h.w.lbl_txt_status.text(), "No Com Port");
        EXPECT_TRUE(r.h.program.reader().RxBuffer.empty());
    }
}

using ReplyTokens = ReadyLink;

TEST_F(ReplyTokens, LogoModelIsStoredOnceButEveryOneResetsTheCaption) {
    reply("BG001M 00000\r");
    EXPECT_EQ(h.settings.writes.back(), Harness::path("LG_Model") + "=5");
    const std::size_t writes = h.settings.writes.size();
    h.w.setCaption("other");
    reply("BG001M 00000\r");
    EXPECT_EQ(h.settings.writes.size(), writes);
    EXPECT_EQ(h.w.caption(), "VQ72_OSD");
}

}  // namespace
}  // namespace vq72
