#include "protocol/serial_events.h"

#include <gtest/gtest.h>

#include "support/ready_link.h"

namespace vq72 {
namespace {

using test::Harness;
using test::ReportSpy;

struct SerialEvent : ::testing::Test, test::ReadyProgram {
    void SetUp() override {
        ASSERT_TRUE(prepare());
        h.w.lbl_txt_status.setText("VQ72xx Found");
    }
};

TEST_F(SerialEvent, TransmitBufferFullClosesThePortLowersDtrAndReports) {
    h.serial.raise(comm_event::kTxFull);
    EXPECT_EQ(h.serial.calls,
              (std::vector<std::string>{"setPortOpen(false)", "setDTREnable(false)"}));
    EXPECT_FALSE(h.serial.portOpen());
    EXPECT_EQ(spy.reports,
              (std::vector<ReportSpy::Report>{{"Mscomm1_OnComm", "Transmit Buffer Full"}}));
}

TEST_F(SerialEvent, AFailureWhileClosingAfterTransmitFullIsReportedPurgedAndThePortReopened) {
    h.serial.failures.fail("setPortOpen(false)", 9005, "Input/output error", 1);
    const int opens = h.serial.opens;
    h.serial.raise(comm_event::kTxFull);
    EXPECT_EQ(spy.reports,
              (std::vector<ReportSpy::Report>{
                  {"MSComm1_OnComm Event: 1010", "Input/output error Transmit Buffer Full"}}));
    EXPECT_EQ(h.serial.count("purge(both)"), 1);
    EXPECT_EQ(h.serial.opens, opens + 1) << "closed and reopened";
    EXPECT_TRUE(h.serial.portOpen());
    EXPECT_EQ(h.w.txtCom.backColour(), kMagenta);
}

}  // namespace
}  // namespace vq72
