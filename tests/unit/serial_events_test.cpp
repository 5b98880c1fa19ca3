// SPDX-License-Identifier: MIT
#include "protocol/serial_events.h"

#include <gtest/gtest.h>

#include "support/ready_link.h"

namespace vq72 {
namespace {

using test::ReportSpy;

// A full transmit buffer closes the port and lowers DTR; when the close fails, the port is purged
// and opened again instead.
TEST(SerialEvent, TransmitBufferFullClosesThePortOrReopensItWhenTheCloseFails) {
    const struct {
        bool closeFails;
        ReportSpy::Report report;
    } cases[] = {{false, {"Mscomm1_OnComm", "Transmit Buffer Full"}},
                 {true, {"MSComm1_OnComm Event: 1010", "Input/output error Transmit Buffer Full"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.closeFails);
        test::ReadyProgram r;
        ASSERT_TRUE(r.prepare());
        if (c.closeFails)
            r.h.serial.failures.fail("setPortOpen(false)", 9005, "Input/output error", true);
        const int opens = r.h.serial.opens;
        r.h.serial.raise(comm_event::kTxFull);
        EXPECT_EQ(r.spy.reports, std::vector<ReportSpy::Report>{c.report});
        EXPECT_EQ(r.h.serial.portOpen(), c.closeFails);
        EXPECT_EQ(r.h.serial.dtrEnable(), c.closeFails);
        EXPECT_EQ(r.h.serial.count("purge(both)"), c.closeFails ? 1 : 0);
        EXPECT_EQ(r.h.serial.opens, opens + (c.closeFails ? 1 : 0));
        EXPECT_EQ(r.h.w.txtCom.backColour(), c.closeFails ? kMagenta : kGreen);
    }
}

}  // namespace
}  // namespace vq72
