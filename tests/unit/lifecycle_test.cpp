// SPDX-License-Identifier: MIT
// Start-up, the splash, the settle timer, the command line and shutting down.
#include "lifecycle/command_line.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/failure_numbers.h"
#include "support/fakes.h"
#include "support/harness.h"
#include "window/main_window_model.h"

namespace vq72 {
namespace {

using Lookup = AppServices::WindowLookup;

TEST(StartUp, FirstRunWritesDefaultsAndEndsWithDefaultOptions) {
    test::Harness h;
    h.program.Form_Load();
    EXPECT_EQ(h.settings.values[test::Harness::path("LogoSelect")], "1");
    EXPECT_EQ(h.w.state.SkipComPort, -1);
    EXPECT_FALSE(h.w.frameError.visible()) << h.w.lblErrMsg.text();
}

TEST(StartUp, SecondStartClosesTheRunningInstanceAndShowsNoSplash) {
    test::Harness h;
    h.app.otherInstance = true;
    h.app.otherWindow = Lookup::Enabled;
    h.program.Form_Load();
    EXPECT_EQ(h.app.events, (std::vector<std::string>{"activate(VQ72_OSD)", "postClose(VQ72_OSD)",
                                                      "doEvents", "doEvents"}));
    EXPECT_FALSE(h.w.tmrSplash.enabled());
    EXPECT_FALSE(h.w.state.FormLoading);
}

using Strings = std::vector<std::string>;

TEST(TmrSplashTimer, ShowsTheSplashModallyOnceAndRestoresDrops) {
    test::Harness h;
    h.program.Form_Load();
    h.w.state.AboutFromMenu = true;  // left over from an earlier menu About
    bool dropsDuringModal = true, fromMenuDuringModal = true, timerDuringModal = true;
    h.windows.duringModal = [&] {
        dropsDuringModal = h.w.acceptsDrops();
        fromMenuDuringModal = h.w.state.AboutFromMenu;
        timerDuringModal = h.w.tmrSplash.enabled();
    };
    ASSERT_TRUE(h.w.tmrSplash.enabled());
    h.program.tmrSplash_Timer();
    EXPECT_EQ(h.windows.events, (Strings{"showAboutModal", "unloadAbout"}));
    EXPECT_FALSE(dropsDuringModal);
    EXPECT_FALSE(fromMenuDuringModal);
    EXPECT_FALSE(timerDuringModal);
    EXPECT_TRUE(h.w.acceptsDrops());

    h.w.tmrSplash.setEnabled(true);
    h.program.tmrSplash_Timer();
    EXPECT_EQ(h.windows.events.size(), 2u);
}

// Counts 100 ms ticks of tmrComInit until the port is declared ready.
int ticksUntilReady(test::Harness& h, const std::function<void(int)>& beforeTick = {}) {
    h.w.state.PortReady = false;
    h.w.tmrComInit.setEnabled(true);
    for (int tick = 1; tick <= 1000; ++tick) {
        if (beforeTick) beforeTick(tick);
        h.program.tmrComInit_Timer();
        if (h.w.state.PortReady) return tick;
    }
    return -1;
}

// A transfer lasting ten ticks in the middle of a period does not count.
TEST(SettleTimer, FirstPeriodTakes22TicksLaterOnes21AndTicksDuringATransferDoNotCount) {
    test::Harness h;
    h.w.state.CmdBusy = true;
    EXPECT_EQ(ticksUntilReady(h), 22);
    EXPECT_FALSE(h.w.tmrComInit.enabled());
    EXPECT_FALSE(h.w.state.CmdBusy);
    EXPECT_EQ(ticksUntilReady(h), 21);
    EXPECT_EQ(
        ticksUntilReady(h, [&](int tick) { h.w.state.TextTransferBusy = tick >= 5 && tick < 15; }),
        31);
}

TEST(SkipComOption, GivesThePortOfItsFirstCharacter) {
    const struct {
        const char* commandLine;
        int expected;
    } cases[] = {{"", -1},        {"skipcom 4", 4},         {"SKIPCOM12", 1},
                 {"SKIPCOMX", 0}, {"other SKIPCOM   ", -1}, {"-x SKIPCOM 3 SKIPCOM 5", 3}};
    for (const auto& c : cases) EXPECT_EQ(parseSkipCom(c.commandLine), c.expected) << c.commandLine;
}

TEST(Unload, OpenPortDropsDtrAndRtsAndCloses) {
    test::Harness h;
    h.serial.present = {1};
    h.serial.setCommPort(1);
    h.serial.setPortOpen(true);
    h.serial.setDTREnable(true);
    h.serial.setRTSEnable(true);
    h.windows.aboutIsLoaded = true;
    h.program.Form_Unload();
    EXPECT_FALSE(h.serial.portOpen() || h.serial.dtrEnable() || h.serial.rtsEnable());
    EXPECT_EQ(h.windows.events, std::vector<std::string>{"unloadAbout"});
    EXPECT_FALSE(h.w.tmr_Delay.enabled());
    EXPECT_FALSE(h.w.tmrComInit.enabled());
}

TEST(Menus, ManualOpensThePdfBesideTheProgramOrInstalledOrSaysWhyItCannot) {
    const std::string beside = "/usr/lib/vq72-osd/VQ72_OSD_Manual.pdf";
    const std::string installed = "/usr/share/doc/vq72-osd/VQ72_OSD_Manual.pdf";
    const struct {
        long result;
        std::string absent;
        std::vector<std::string> opened;
        std::string message;
    } cases[] = {{failure_number::kShellOpened, beside, {beside, installed}, ""},
                 {failure_number::kShellNoAssociation,
                  "",
                  {beside},
                  "No program to open PDF files was found. The manual is " + beside + "."},
                 {failure_number::kShellFileNotFound,
                  "",
                  {beside, installed},
                  "The manual is missing: neither " + beside + " nor " + installed +
                      " exists. Install the program again."}};
    for (const auto& c : cases) {
        test::Harness h;
        h.w.state.AppName = kAppTitle;
        h.shell.result = c.result;
        h.shell.absent = c.absent;
        h.program.mnuManual_Click();
        EXPECT_EQ(h.shell.opened, c.opened);
        EXPECT_EQ(h.w.lblErrMsg.text(), c.message.empty() ? "lblErrMsg" : c.message);
        EXPECT_EQ(h.w.frameError.visible(), !c.message.empty());
        EXPECT_EQ(h.w.frameError.text(), c.message.empty() ? "Error of Some Sort" : "Manual");
    }
}

}  // namespace
}  // namespace vq72
