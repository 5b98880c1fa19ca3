// SPDX-License-Identifier: MIT
#include "protocol/command_channel.h"

#include <gtest/gtest.h>

#include "support/harness.h"

namespace vq72 {
namespace {

using test::Harness;

// A loaded window whose port 4 is selected and opened as the port start-up would.
void openPort(Harness& h) {
    h.w.state.AppName = kAppTitle;
    h.serial.present = {4};
    h.w.state.ComPortNumber = 4;
    h.program.ports().DetermineValidPorts();
}

TEST(CommandChannel, AnOpenPortWithoutDtrShowsNoComPortAndWritesNothing) {
    Harness h;
    h.serial.failures.fail("setDTREnable(true)", 9100, "Inappropriate ioctl for device");
    openPort(h);
    ASSERT_TRUE(h.serial.portOpen());
    EXPECT_FALSE(h.program.channel().SendCom("CTS"));
    EXPECT_TRUE(h.serial.portOpen());
    EXPECT_EQ(h.w.txtCom.backColour(), kRed);
    EXPECT_EQ(h.w.lbl_txt_status.text(), "No Com Port");
    EXPECT_TRUE(h.serial.written.empty());
}

// The poll's reopen is asked for its own command only: a text is written to the port as it is.
TEST(CommandChannel, EveryPresencePollReopensThePortAndWritesCts) {
    Harness h;
    openPort(h);
    for (int poll = 1; poll <= 2; ++poll) {
        h.program.channel().CmdTree(CommandChannel::kPresencePoll, "    ");
        EXPECT_EQ(h.serial.opens, 1 + poll);
        EXPECT_FALSE(h.w.state.ReopenBeforeSend);
        EXPECT_FALSE(h.w.state.CmdBusy);
    }
    h.program.channel().SendCom("text");
    EXPECT_EQ(h.serial.opens, 3);
    EXPECT_EQ(h.serial.written, (std::vector<std::string>{"CTS", "CTS", "text"}));
}

}  // namespace
}  // namespace vq72
