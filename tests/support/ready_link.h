// SPDX-License-Identifier: MIT
// Brings a Program over fakes to the running state with a usable port: the port is present and
// saved as "ComPort", the window loads, and the clock ticks until the port has settled.
#pragma once

#include <string>

#include "support/harness.h"
#include "support/report_spy.h"

namespace vq72::test {

// Returns whether the port became ready within 200 ticks.
inline bool loadWithReadyPort(Harness& h, int port) {
    h.serial.present.insert(port);
    h.settings.values[Harness::path("ComPort")] = " " + std::to_string(port);
    h.program.Form_Load();
    return h.clock.runUntil([&] { return h.w.state.PortReady; }, 200) >= 0;
}

// A running program over fakes whose port 1 is ready, with a blank status and caption, a green
// port box, the logo menu enabled and nothing recorded yet: where a reply, an event or a tick
// shows what it changes.
struct ReadyProgram {
    bool prepare() {
        if (!loadWithReadyPort(h, 1)) return false;
        h.w.lbl_txt_status.setText("");
        h.w.setCaption("");
        h.w.txtCom.setBackColour(kGreen);
        h.w.mnuUpLoadLogo.setEnabled(true);
        h.serial.calls.clear();
        h.app.events.clear();
        spy.reports.clear();
        return true;
    }
    Harness h;
    ReportSpy spy{h.w};
};

}  // namespace vq72::test
