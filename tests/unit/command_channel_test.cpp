#include "protocol/command_channel.h"

#include <gtest/gtest.h>

#include "support/harness.h"

namespace vq72 {
namespace {

using test::Harness;

// A loaded window whose port 4 is selected; `open` opens it as the port start-up would.
void selectPort(Harness& h, bool open) {
    h.w.state.AppName = kAppTitle;
    h.serial.present = {4};
    h.w.state.ComPortNumber = 4;
    if (open) h.program.ports().DetermineValidPorts();
    h.serial.calls.clear();
}

TEST(CommandChannel, AnOpenPortWithoutDtrShowsNoComPortAndWritesNothing) {
    Harness h;
    h.serial.failures.fail("setDTREnable(true)", 9100, "Inappropriate ioctl for device");
    selectPort(h, true);
    ASSERT_TRUE(h.serial.portOpen());
    EXPECT_FALSE(h.program.channel().SendCom("CTS"));
    EXPECT_TRUE(h.serial.portOpen());
    EXPECT_EQ(h.w.txtCom.backColour(), kRed);
    EXPECT_EQ(h.w.lbl_txt_status.text(), "No Com Port");
    EXPECT_TRUE(h.serial.written.empty());
}

// The poll's reopen is asked for its own command only.
TEST(CommandChannel, EveryPresencePollClosesAndReopensBeforeWritingCts) {
    Harness h;
    selectPort(h, true);
    for (int poll = 0; poll < 2; ++poll) {
        h.serial.calls.clear();
        h.program.channel().CmdTree(CommandChannel::kPresencePoll, "    ");
        ASSERT_GE(h.serial.calls.size(), 3u);
        EXPECT_EQ(h.serial.calls.front(), "setPortOpen(false)");
        EXPECT_EQ(h.serial.count("setPortOpen(true)"), 1);
        EXPECT_EQ(h.serial.calls.back(), "output");
        EXPECT_FALSE(h.w.state.ReopenBeforeSend);
        EXPECT_FALSE(h.w.state.CmdBusy);
    }
    h.serial.calls.clear();
    h.program.channel().SendCom("text");
    EXPECT_EQ(h.serial.calls, (std::vector<std::string>{"output"}));
    EXPECT_EQ(h.serial.written, (std::vector<std::string>{"CTS", "CTS", "text"}));
}

}  // namespace
}  // namespace vq72
