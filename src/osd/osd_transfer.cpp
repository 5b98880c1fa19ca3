// SPDX-License-Identifier: MIT
#include "osd/osd_transfer.h"

#include "device/blank_trim.h"
#include "device/osd_frame.h"
#include "window/guard.h"

namespace vq72 {

void OsdTransfer::String_2_VQ7240(const std::string& LocationCode, const std::string& ColorCode,
                                  std::string& text) {
    if (startUp_.FormLoading) return;

    ReportingGuard guard(report_, "String_2_VQ7240");
    // A failed step is reported, the transfer is no longer busy, and the next step runs.
    auto step = [&](auto&& unit) {
        if (!guard(unit)) transfer_.TextTransferBusy = false;
    };

    step([&] { transfer_.NoReply.end(lbl_txt_status_); });
    step([&] { frame_.setMousePointer(MousePointer::Busy); });
    transfer_.TextTransferBusy = true;
    text = trimBlanks(text);
    transfer_.TextSentPending = 1;
    step([&] { lbl_txt_status_.setText(kSendingText); });
    const std::string command = osd::osdTextCommand(text, LocationCode, ColorCode,
                                                    static_cast<TextAlign>(choice_.TextAlignment));
    bool written = false;
    step([&] { written = sendCom_(command); });
    // A command that never left cannot be acknowledged: say so instead of "Transfer Done.",
    // and let the next "CT-OK" count as a device detection again.
    if (!written) transfer_.TextSentPending = 0;
    step([&] { lbl_txt_status_.setText(written ? kTransferDone : kNoComPort); });
    step([&] { frame_.setMousePointer(MousePointer::Default); });
    transfer_.TextTransferBusy = false;
    step([&] { app_.doEvents(); });
}

}  // namespace vq72
