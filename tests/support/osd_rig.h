// The OSD text side of the main window over fakes: transfer, key filter, options and buttons
// wired to a main window model as the program wires them, left in the state that the start-up
// sequence leaves ("Top Center" and "White on Black" selected).
#pragma once

#include <string>
#include <vector>

#include "osd/action_buttons.h"
#include "osd/display_options.h"
#include "osd/osd_transfer.h"
#include "osd/text_entry.h"
#include "support/fakes.h"
#include "support/status_history.h"
#include "window/main_window_model.h"
#include "window/report.h"

namespace vq72::test {

struct OsdRig {
    MainWindowModel w;
    ReportRoutine report{w.frameError, w.lblErrMsg};
    FakeAppServices app;
    FakeWindowSystem windows;
    FakeSendCom send;
    StatusHistory status{w};
    OsdTransfer transfer{w.lbl_txt_status, w,      w.state, w.state,
                         w.state,          report, app,     send.function()};
    TextEntry entry{w.Text_input};
    DisplayOptions options{w.Text_input, w.state};
    ActionButtons buttons{w.Text_input, w.lbl_txt_status, w.cmd_button, w.state, transfer, windows};

    OsdRig() {
        w.setLocationClickHandler([this](int i) { options.opt_location_Click(i); });
        w.setColourClickHandler([this](int i) { options.opt_BK_WT_Click(i); });
        w.opt_location[1].setValue(true);
        w.opt_BK_WT[0].setValue(true);
    }
    OsdRig(const OsdRig&) = delete;
    OsdRig& operator=(const OsdRig&) = delete;

    int doEventsCount() const {
        int n = 0;
        for (const auto& e : app.events) n += (e == "doEvents");
        return n;
    }
};

}  // namespace vq72::test
