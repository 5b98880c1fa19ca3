// SPDX-License-Identifier: MIT
#include "serial/port_discovery.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "support/harness.h"
#include "support/report_spy.h"

namespace vq72 {
namespace {

using test::Harness;
using test::ReportSpy;

constexpr const char* kFoundText = "VQ72xx Found";

std::set<int> probedPorts(const test::FakeSerialControl& serial) {
    std::set<int> ports;
    for (int i = 1; i <= 16; ++i) {
        if (serial.count("setCommPort(" + std::to_string(i) + ")") > 0) ports.insert(i);
    }
    return ports;
}

std::set<int> range(int first, int last, int except = 0) {
    std::set<int> ports;
    for (int i = first; i <= last; ++i) {
        if (i != except) ports.insert(i);
    }
    return ports;
}

int checkedEntry(const MainWindowModel& w) {
    for (int i = 1; i <= MainWindowModel::kComMenuEntries; ++i) {
        if (w.mnuCOMsel(i).value()) return i;
    }
    return 0;
}

TEST(PortScan, ListsTheUsablePortsInOrderAndProbesNoMoreThanNeeded) {
    const struct {
        const char* name;
        std::set<int> present;
        int skip;
        std::set<int> listed;  // the ports the menu lists, in order
        std::set<int> probed;
    } cases[] = {{"sixteen ports", range(1, 16), -1, range(1, 12), range(1, 12)},
                 {"SkipComPort 3", range(1, 5), 3, range(1, 5, 3), range(1, 16, 3)},
                 {"eleven ports ending at 16", range(6, 16), -1, range(6, 16), range(1, 16)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        h.serial.present = c.present;
        h.w.state.SkipComPort = c.skip;
        h.program.ports().FindComs();

        std::vector<std::string> captions, expected;
        for (int i = 1; i <= MainWindowModel::kComMenuEntries; ++i) {
            if (h.w.mnuCOMsel(i).visible()) captions.push_back(h.w.mnuCOMsel(i).text());
        }
        for (const int port : c.listed) expected.push_back("COM&" + std::to_string(port));
        EXPECT_EQ(captions, expected);
        EXPECT_EQ(probedPorts(h.serial), c.probed);
        EXPECT_FALSE(h.serial.portOpen()) << "every probe is closed again";
        EXPECT_FALSE(h.w.frameError.visible()) << "probe reports fill the panel without showing it";
    }
}

TEST(PortScanRescan, KeepsTheCheckMarkOnTheSameEntryIndexAndTheAnsweredMarkOnThePort) {
    Harness h;
    h.serial.present = {2, 5};
    h.program.ports().FindComs();
    h.program.mnuCOMsel_Click(1);
    ASSERT_EQ(h.w.state.ComPortNumber, 2);
    h.program.reader().ProcessData("VQ7240 CT-OK\r");
    EXPECT_EQ(h.w.mnuCOMsel(1).toolTip(), "/dev/fake2 - VQ72xx answered here");

    h.serial.present = {1, 2, 5};
    h.program.ports().FindComs();
    EXPECT_EQ(h.w.mnuCOMsel(1).text(), "COM&1");
    EXPECT_EQ(h.w.mnuCOMsel(1).toolTip(), "/dev/fake1");
    EXPECT_EQ(h.w.mnuCOMsel(2).toolTip(), "/dev/fake2 - VQ72xx answered here")
        << "kept by the scan";
    EXPECT_EQ(checkedEntry(h.w), 1);
    EXPECT_TRUE(h.serial.portOpen()) << "the selected port 2 is reopened after the scan";
    EXPECT_EQ(h.serial.commPort(), 2);
}

TEST(DetermineValidPorts, OpensAt9600N81WithDtrAndRts) {
    Harness h;
    h.serial.present = {3};
    h.serial.inputLen = 0;
    h.w.state.ComPortNumber = 3;
    h.program.ports().DetermineValidPorts();
    EXPECT_EQ(h.serial.count("setSettings(9600,N,8,1)"), 2) << "before and after the open";
    EXPECT_EQ(h.serial.count("setHandshaking(0)"), 2);
    EXPECT_EQ(h.serial.inputLen, 2500);
    EXPECT_TRUE(h.serial.dtrEnable() && h.serial.rtsEnable());

    h.program.ports().DetermineValidPorts();
    EXPECT_EQ(h.serial.opens, 2) << "an open port is closed first, else it fails as in use";
}

TEST(OpenFailure, ReportsOnceUnchecksTheMenuAndShowsNoComPort) {
    const struct {
        const char* name;
        std::string failingCall;
        long number;
        std::string message;
        std::string title;
        bool opens;  // the open step ran, and a repeated failure no longer ends the procedure
    } cases[] = {
        {"missing port", "setPortOpen(true)", 8002,
         "Invalid Port Number - Com-5 can't be used as a device interface.", "StartCom 02", true},
        {"other failure while configuring", "setRThreshold(11)", 9005, "Permission denied",
         "StartCom 01", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        ReportSpy spy(h.w);
        h.serial.present = {5};
        h.serial.failures.fail(c.failingCall, c.number, "Permission denied");
        h.w.mnuCOMsel(4).setValue(true);
        h.w.state.ComPortNumber = 5;

        h.program.ports().DetermineValidPorts();
        EXPECT_EQ(spy.reports, (std::vector<ReportSpy::Report>{{c.title, c.message}}));
        EXPECT_EQ(checkedEntry(h.w), 0);
        EXPECT_EQ(h.w.txtCom.backColour(), kRed);
        EXPECT_EQ(h.w.lbl_txt_status.text(), "No Com Port");
        EXPECT_FALSE(h.w.tmrComInit.enabled());
        EXPECT_EQ(h.serial.count("setPortOpen(true)"), c.opens ? 1 : 0);

        // The same failure again: no report, the menu marks stay, the procedure goes on.
        h.w.mnuCOMsel(4).setValue(true);
        h.w.txtCom.setBackColour(kGreen);
        h.program.ports().DetermineValidPorts();
        EXPECT_EQ(spy.reports.size(), 1u);
        EXPECT_EQ(checkedEntry(h.w), 4);
        EXPECT_EQ(h.w.txtCom.backColour(), c.opens ? kRed : kMagenta);
    }
}

TEST(StoredComPort, StartUpRestoresAndOpensIt) {
    const struct {
        const char* name;
        bool stored;
        std::string value;
        int checked;
        int comPort;
        std::string portBox;
        bool opened;
    } cases[] = {{"blank-prefixed 3", true, " 3", 2, 3, "3", true},
                 {"first run", false, "", 0, 0, "99", false},
                 {"not a number", true, "abc", 0, 0, "0", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        h.serial.present = {1, 3};
        if (c.stored) h.settings.values[Harness::path("ComPort")] = c.value;
        h.program.Form_Load();

        EXPECT_EQ(h.settings.values[Harness::path("ComPort")], c.value);
        EXPECT_EQ(checkedEntry(h.w), c.checked);
        EXPECT_EQ(h.w.state.ComPortNumber, c.comPort);
        EXPECT_EQ(h.w.txtCom.text(), c.portBox);
        EXPECT_EQ(h.serial.portOpen(), c.opened);
        if (c.opened) {
            EXPECT_EQ(h.serial.commPort(), c.comPort);
        }
    }
}

// A network port still connecting: the start-up's scan stops after its status and the stored
// port's open waits, both quietly; once the control says the port has settled, the scan lists it
// and the port opens. A command's reopen waits as quietly; a rescan that settles during a
// transfer waits for the transfer's end.
TEST(NetworkPortConnecting, ScanAndOpenWaitQuietlyAndRunOnceItHasSettled) {
    Harness h;
    h.serial.present = {1, 2};
    h.serial.connecting = {2};
    h.settings.values[Harness::path("ComPort")] = " 2";
    const Colour before = h.w.txtCom.backColour();
    h.program.Form_Load();
    EXPECT_EQ(h.w.lbl_txt_status.text(), "Searching for Com Ports");
    EXPECT_TRUE(h.program.ports().ScanPending);
    EXPECT_TRUE(h.program.ports().OpenPending);
    EXPECT_EQ(h.serial.count("setCommPort(1)"), 0) << "no port probed yet";
    EXPECT_FALSE(h.serial.portOpen());
    EXPECT_EQ(h.w.txtCom.backColour(), before);
    EXPECT_FALSE(h.w.tmrComInit.enabled());

    h.serial.connecting.clear();
    h.serial.raise(comm_event::kOpenSettled);
    EXPECT_EQ(h.w.mnuCOMsel(2).text(), "COM&2");
    EXPECT_TRUE(h.serial.portOpen());
    EXPECT_EQ(h.serial.commPort(), 2);
    EXPECT_EQ(h.w.txtCom.backColour(), kMagenta);
    EXPECT_TRUE(h.w.tmrComInit.enabled());
    EXPECT_EQ(h.w.lbl_txt_status.text(), "");
    EXPECT_FALSE(h.program.ports().ScanPending || h.program.ports().OpenPending);

    h.serial.setPortOpen(false);
    h.serial.connecting = {2};
    h.w.lbl_txt_status.setText(kFoundText);
    EXPECT_FALSE(h.program.channel().SendCom("CTS"));
    EXPECT_EQ(h.w.lbl_txt_status.text(), kFoundText);
    EXPECT_EQ(h.w.txtCom.backColour(), kMagenta);
    EXPECT_TRUE(h.serial.written.empty());

    h.program.ports().FindComs();
    h.w.state.TextTransferBusy = true;
    h.serial.connecting.clear();
    h.serial.raise(comm_event::kOpenSettled);
    EXPECT_TRUE(h.w.state.RefreshPortsPending);
    EXPECT_FALSE(h.program.ports().ScanPending);
    EXPECT_FALSE(h.w.frameError.visible()) << "nothing was reported but the scan's probes";
}

TEST(ComMenuSelection, OpensSavesBlankPrefixedAndShowsThePortOrSaysWhyItIsNotSaved) {
    Harness h;
    h.serial.present = {2, 9};
    h.program.ports().FindComs();
    h.w.mnuCOMsel(1).setValue(true);
    h.program.mnuCOMsel_Click(2);

    EXPECT_EQ(checkedEntry(h.w), 2);
    EXPECT_EQ(h.w.state.ComPortNumber, 9);
    EXPECT_EQ(h.settings.values[Harness::path("ComPort")], " 9");
    EXPECT_EQ(h.w.txtCom.text(), "9");
    EXPECT_TRUE(h.serial.portOpen());
    EXPECT_EQ(h.w.lbl_txt_status.text(), "Finding COM Ports");

    // A port that cannot be stored is said once, with the settings file, and used all the same.
    h.settings.writeFails = true;
    h.program.mnuCOMsel_Click(1);
    EXPECT_EQ(h.w.state.ComPortNumber, 2);
    EXPECT_EQ(h.w.frameError.text(), "Settings");
    EXPECT_EQ(h.w.lblErrMsg.text(),
              "COM2 will not be remembered for the next start: the settings file " +
                  std::string(test::FakeSettingsBacking::kLocation) +
                  " cannot be written. Check that it and its folder are writable.");
    h.program.cmdErrOK_Click();
    h.program.mnuCOMsel_Click(2);
    EXPECT_FALSE(h.w.frameError.visible());
    EXPECT_EQ(h.w.state.ComPortNumber, 9);
}

}  // namespace
}  // namespace vq72
