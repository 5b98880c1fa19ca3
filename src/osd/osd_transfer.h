// SPDX-License-Identifier: MIT
// String_2_VQ7240: frames the operator's text with the chosen position and colour, writes it to
// the device through the command channel and keeps the status line informed.
#pragma once

#include <functional>
#include <string>

#include "platform/app_services.h"
#include "window/control.h"
#include "window/report.h"
#include "window/window_frame.h"
#include "window/window_state.h"

namespace vq72 {

class OsdTransfer {
public:
    // Writes one command to the device; returns whether it was written (false: no port
    // selected, the port could not be opened, or DTR is off).
    using SendCom = std::function<bool(const std::string&)>;

    static constexpr const char* kSendingText = "Sending Text.";
    static constexpr const char* kTransferDone = "Transfer Done.";
    static constexpr const char* kNoComPort = "No Com Port";

    OsdTransfer(Control& lbl_txt_status, WindowFrame& frame, WindowState& state,
                ReportRoutine& report, AppServices& app, SendCom sendCom)
        : lbl_txt_status_(lbl_txt_status),
          frame_(frame),
          startUp_(state),
          transfer_(state),
          choice_(state),
          report_(report),
          app_(app),
          sendCom_(std::move(sendCom)) {}

    // Sends `text` at `LocationCode` with `ColorCode`; `text` is left without its outer blanks.
    // Does nothing while the main window loads. Failures are reported, never passed up.
    void String_2_VQ7240(const std::string& LocationCode, const std::string& ColorCode,
                         std::string& text);

private:
    Control& lbl_txt_status_;
    WindowFrame& frame_;
    const StartUpFlags& startUp_;
    TransferFlags& transfer_;
    const DisplayChoice& choice_;
    ReportRoutine& report_;
    AppServices& app_;
    SendCom sendCom_;
};

}  // namespace vq72
