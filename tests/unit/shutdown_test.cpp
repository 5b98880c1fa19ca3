#include <gtest/gtest.h>

#include "platform/failure_numbers.h"
#include "support/harness.h"

namespace vq72 {
namespace {

TEST(Unload, OpenPortDropsDtrThenRtsThenCloses) {
    test::Harness h;
    h.serial.present = {1};
    h.serial.setCommPort(1);
    h.serial.setPortOpen(true);
    h.windows.aboutIsLoaded = true;
    h.serial.calls.clear();
    h.program.Form_Unload();
    EXPECT_EQ(h.serial.calls,
              (std::vector<std::string>{"setDTREnable(false)", "setRTSEnable(false)",
                                        "setPortOpen(false)"}));
    EXPECT_FALSE(h.serial.portOpen());
    EXPECT_EQ(h.windows.events, std::vector<std::string>{"unloadAbout"});
    EXPECT_FALSE(h.w.tmr_Delay.enabled());
    EXPECT_FALSE(h.w.tmrComInit.enabled());
}

TEST(Unload, PortNeverOpenedIsLeftAlone) {
    test::Harness h;
    h.program.Form_Unload();
    EXPECT_TRUE(h.serial.calls.empty());
    EXPECT_TRUE(h.windows.events.empty());
    EXPECT_FALSE(h.w.frameError.visible());
}

TEST(Menus, ManualOpensThePdfBesideTheProgram) {
    test::Harness h;
    h.program.Form_Load();
    h.program.mnuManual_Click();
    EXPECT_EQ(h.shell.opened, std::vector<std::string>{"/opt/vq72/VQ72_OSD_Manual.pdf"});
}

TEST(Menus, ProgramAtTheRootKeepsBothSeparators) {
    test::Harness h;
    h.app.folder = "/";
    h.program.Form_Load();
    h.program.mnuManual_Click();
    EXPECT_EQ(h.shell.opened, std::vector<std::string>{"//VQ72_OSD_Manual.pdf"});
}

TEST(Menus, AManualThatCannotBeOpenedIsNamedInAReport) {
    test::Harness h;
    h.program.Form_Load();
    h.shell.result = failure_number::kShellNoAssociation;
    h.program.mnuManual_Click();
    EXPECT_EQ(h.w.lblErrMsg.text(),
              "No program to open PDF files was found. The manual is "
              "/opt/vq72/VQ72_OSD_Manual.pdf.");
    h.shell.result = failure_number::kShellFileNotFound;
    h.program.mnuManual_Click();
    EXPECT_EQ(h.w.frameError.text(), "Manual");
    EXPECT_NE(h.w.lblErrMsg.text().find("/opt/vq72/VQ72_OSD_Manual.pdf is missing"),
              std::string::npos);
}

TEST(Menus, StartDocReturnsTheShellResultOrReportsAndReturnsZero) {
    test::Harness h;
    EXPECT_EQ(h.program.helpMenu().StartDoc("/x.pdf"), 42);
    h.shell.fails = true;
    EXPECT_EQ(h.program.helpMenu().StartDoc("/x.pdf"), 0);
    EXPECT_EQ(h.w.frameError.text(), "StartDoc");
    EXPECT_EQ(h.w.lblErrMsg.text(), "File not found");
}

}  // namespace
}  // namespace vq72
