#include "osd/osd_transfer.h"

#include "device/blank_trim.h"
#include "device/osd_frame.h"
#include "window/guard.h"

namespace vq72 {

void OsdTransfer::String_2_VQ7240(const std::string& LocationCode, const std::string& ColorCode,
                                  std::string& text) {
    WindowState& s = w_.state;
    if (s.FormLoading) return;

    ReportingGuard guard(report_, "String_2_VQ7240");
    // A failed step is reported, the transfer is no longer busy, and the next step runs.
    auto step = [&](auto&& unit) {
        if (!guard(unit)) s.TextTransferBusy = false;
    };

    step([&] { w_.setMousePointer(MousePointer::Busy); });
    s.TextTransferBusy = true;
    text = trimBlanks(text);
    s.TextSentPending = 1;
    step([&] { w_.lbl_txt_status.setText(kSendingText); });
    const std::string command =
        osd::osdTextCommand(text, LocationCode, ColorCode, static_cast<TextAlign>(s.TextAlignment));
    bool written = false;
    step([&] { written = sendCom_(command); });
    // A command that never left cannot be acknowledged: say so instead of "Transfer Done.",
    // and let the next "CT-OK" count as a device detection again.
    if (!written) s.TextSentPending = 0;
    step([&] { w_.lbl_txt_status.setText(written ? kTransferDone : kNoComPort); });
    step([&] { w_.setMousePointer(MousePointer::Default); });
    s.TextTransferBusy = false;
    step([&] { app_.doEvents(); });
}

}  // namespace vq72
