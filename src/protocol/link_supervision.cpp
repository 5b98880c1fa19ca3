#include "protocol/link_supervision.h"

#include <string>

#include "window/guard.h"

namespace vq72 {

void LinkSupervision::tmr_Delay_Timer() {
    ReportingGuard(report_, "Tmr_Delay_Timer")([&] { tick(); });
}

void LinkSupervision::tick() {
    lbl_count_.setText(std::to_string(Text_input_.text().size()));
    if (flags_.RxWaitTicks > 0) {
        --flags_.RxWaitTicks;
        reader_.RecvData();
    }
    // The reply deadline waits while a batch is still arriving or in its quiet time.
    if (flags_.ReplyDeadlineTicks > 0 && flags_.RxWaitTicks == 0 &&
        --flags_.ReplyDeadlineTicks == 0) {
        reader_.replyDeadlinePassed();
    }
    if (!flags_.PortReady) retryPort();
    watchdog();
    report_.tickErrorPanel();
    if (!transfer_.TextTransferBusy && flags_.PortReady) {
        poll();
        if (selection_.RefreshPortsPending) {
            selection_.RefreshPortsPending = false;
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
    ++flags_.TicksSinceReply;
    if (flags_.TicksSinceReply == kNoDeviceTicks) {
        link_.txtCom.setBackColour(kMagenta);
        link_.lbl_txt_status.setText("No Device");
        link_.mnuUpLoadLogo.setEnabled(false);
    } else if (flags_.TicksSinceReply == kPortDroppedTicks) {
        serial_.setPortOpen(false);
        link_.txtCom.setBackColour(kRed);
        link_.lbl_txt_status.setText("No Com Port");
        flags_.TicksSinceReply = kWatchdogRestartTicks;
    } else if (flags_.TicksSinceReply > kSuspectTicks &&
               flags_.TicksSinceReply % kReopenPeriodTicks == kReopenPhaseTicks) {
        flags_.ReopenBeforeSend = true;
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
