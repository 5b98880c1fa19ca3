// SPDX-License-Identifier: MIT
#include "protocol/link_supervision.h"

#include <algorithm>

#include "window/guard.h"

namespace vq72 {

void LinkSupervision::tmr_Delay_Timer() {
    ReportingGuard(report_, "Tmr_Delay_Timer")([&] { tick(); });
}

void LinkSupervision::tick() {
    if (flags_.RxWaitTicks > 0) {
        --flags_.RxWaitTicks;
        reader_.RecvData();
    }
    if (flags_.Replies.tick(flags_.RxWaitTicks > 0)) reader_.lastTextGivenUp();
    transfer_.NoReply.tick(link_.lbl_txt_status);
    if (!flags_.PortReady) retryPort();
    watchdog();
    report_.tickErrorPanel();
    if (pollMayRun()) {
        poll();
        if (selection_.RefreshPortsPending) {
            selection_.RefreshPortsPending = false;
            ports_.FindComs();
        }
    }
}

// The poll and the rescan wait while a text is sent, and while it awaits its confirmation: a reply
// to a poll written after the text could not be told from the text's.
bool LinkSupervision::pollMayRun() const {
    return !transfer_.TextTransferBusy && transfer_.TextSentPending == 0 && flags_.PortReady;
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

// A lost poll answer is given up before the next poll is written: its deadline is the period.
static_assert(ReplyLedger::kPollDeadlineTicks == 2 * (LinkSupervision::kPollPhaseTicks + 1));

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

long LinkSupervision::ticksUntilDue() const {
    // The batch is taken when the quiet time ends. (A tick of the quiet time that reads bytes
    // arriving meanwhile still runs before they are read: the timer driver runs the ticks due
    // before it handles any event.)
    long due = ticksUntilWatchdogActs();
    if (flags_.RxWaitTicks > 0) due = std::min<long>(due, flags_.RxWaitTicks);
    // Giving up a text shows "No Reply", and the notice's end takes its colour away; giving up
    // a poll only forgets a debt, which nothing reads before the next tick or event runs it.
    if (transfer_.TextSentPending != 0 && flags_.Replies.textOwed())
        due = std::min(due, std::max(1L, flags_.Replies.ticksUntilTextGivenUp()));
    if (transfer_.NoReply.shown()) due = std::min(due, transfer_.NoReply.ticksUntilEnd());
    if (!flags_.PortReady) due = std::min<long>(due, PortRetryTicks > 1 ? PortRetryTicks : 1);
    if (pollMayRun()) {
        due = std::min(due, selection_.RefreshPortsPending ? 1 : ticksUntilPoll());
    }
    return due;
}

// The next count at which the watchdog shows "No Device" or drops the port. (Its re-open
// requests only mark the next write, which runs in a tick or an event after them.)
long LinkSupervision::ticksUntilWatchdogActs() const {
    const long count = flags_.TicksSinceReply;
    return (count < kNoDeviceTicks ? kNoDeviceTicks : kPortDroppedTicks) - count;
}

// The tick that sends the next "CTS": the end of this phase when the next one sends, else the
// end of the one after.
long LinkSupervision::ticksUntilPoll() const {
    const long toPhaseEnd = kPollPhaseTicks - std::min(PollTicks, kPollPhaseTicks) + 1;
    return PollPhase + 1 == kPollSendPhase ? toPhaseEnd : toPhaseEnd + kPollPhaseTicks + 1;
}

}  // namespace vq72
