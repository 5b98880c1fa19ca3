#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/osd_rig.h"

namespace vq72 {
namespace {

using Strings = std::vector<std::string>;

TEST(CmdButtonClick, SaveSendsTheTypedTextWithSaveAndExitDisabledMeanwhile) {
    test::OsdRig r;
    r.w.Text_input.setText("  HELLO ");
    std::vector<bool> enabledDuringSend;
    r.send.onSend = [&] {
        for (const Control& b : r.w.cmd_button) enabledDuringSend.push_back(b.enabled());
    };
    r.buttons.cmd_button_Click(ActionButtons::kSave);

    const std::string expected = std::string("CTT\x14") + std::string(7, ' ') + "HELLO" +
                                 std::string(8, ' ') +
                                 "\x10"
                                 "12\x06"
                                 "3\x06"
                                 "4\x13\r\n";
    EXPECT_EQ(r.send.commands, Strings{expected});
    EXPECT_EQ(r.status.texts, (Strings{"Programming", "Sending Text.", "Transfer Done."}));
    EXPECT_EQ(enabledDuringSend, (std::vector<bool>{false, false, true}));  // SAVE, EXIT, BLANK
    for (const Control& b : r.w.cmd_button) EXPECT_TRUE(b.enabled());
    EXPECT_EQ(r.w.Text_input.text(), "  HELLO ");
}

TEST(CmdButtonClick, ExitShowsExitingAndClosesTheMainWindow) {
    test::OsdRig r;
    r.buttons.cmd_button_Click(ActionButtons::kExit);
    EXPECT_EQ(r.status.texts, Strings{"Exiting"});
    EXPECT_EQ(r.windows.events, Strings{"closeMainWindow"});
    EXPECT_TRUE(r.send.commands.empty());
}

}  // namespace
}  // namespace vq72
