#include "protocol/link_supervision.h"

#include <string>

#include "window/guard.h"

namespace vq72 {

void LinkSupervision::tmr_Delay_Timer() {
    ReportingGuard(report_, "Tmr_Delay_Timer")([&] { tick(); });
}

void LinkSupervision::tick() {
    WindowState& s = w_.state;
    w_.lbl_count.setText(std::to_string(w_.Text_input.text().size()));
    if (s.RxWaitTicks > 0) {
        --s.RxWaitTicks;
        reader_.RecvData();
    }
    // The reply deadline waits while a batch is still arriving or in its quiet time.
    if (s.ReplyDeadlineTicks > 0 && s.RxWaitTicks == 0 && --s.ReplyDeadlineTicks == 0) {
        reader_.replyDeadlinePassed();
    }
    if (!s.PortReady) retryPort();
    watchdog();
    report_.tickErrorPanel();
    if (!s.TextTransferBusy && s.PortReady) {
        poll();
        if (s.RefreshPortsPending) {
            s.RefreshPortsPending = false;
            ports_.FindComs();
        }
    }
}

void LinkSupervision::retryPort() {
    if (PortRetryTicks > 1) {
        --PortRetryTicks;
    } else if (PortRetryTicks == 1) {
        ports_.DetermineValidPorts();
        PortRetryTicks = 0;
    } else if (PortRetryTicks == 0) {
        PortRetryTicks = kPortRetryTicks;
    } else {
        PortRetryTicks = 0;
    }
}

void LinkSupervision::watchdog() {
    WindowState& s = w_.state;
    ++s.TicksSinceReply;
    if (s.TicksSinceReply == kNoDeviceTicks) {
        w_.txtCom.setBackColour(kMagenta);
        w_.lbl_txt_status.setText("No Device");
        w_.mnuUpLoadLogo.setEnabled(false);
    } else if (s.TicksSinceReply == kPortDroppedTicks) {
        serial_.setPortOpen(false);
        w_.txtCom.setBackColour(kRed);
        w_.lbl_txt_status.setText("No Com Port");
        s.TicksSinceReply = kWatchdogRestartTicks;
    } else if (s.TicksSinceReply > kSuspectTicks &&
               s.TicksSinceReply % kReopenPeriodTicks == kReopenPhaseTicks) {
        s.ReopenBeforeSend = true;
        channel_.CmdTree(CommandChannel::kNoCommand, "");
    }
}

void LinkSupervision::poll() {
    if (PollTicks < kPollPhaseTicks) {
        ++PollTicks;
        return;
    }
    PollTicks = 0;
    // The phase runs 1, 2, then back to 1 by way of 0: "CTS" every second phase.
    if (++PollPhase == kPollSendPhase) {
        channel_.CmdTree(CommandChannel::kPresencePoll, kPollText);
    } else {
        PollPhase = 0;
    }
}

}  // namespace vq72
