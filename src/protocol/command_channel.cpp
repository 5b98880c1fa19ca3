// SPDX-License-Identifier: MIT
#include "protocol/command_channel.h"

namespace vq72 {

bool CommandChannel::SendCom(const std::string& command) {
    if (startUp_.FormLoading) return false;
    ReportingGuard step(report_, "SendCom");

    // A port that closed by itself since the last write took the replies still owed with it.
    step([&] {
        if (!serial_.portOpen()) flags_.Replies.forget();
    });
    if (flags_.ReopenBeforeSend) {
        flags_.ReopenBeforeSend = false;
        step([&] { serial_.setPortOpen(false); });
    }

    bool open = false;
    step([&] { open = serial_.portOpen(); });
    if (!open) {
        if (selection_.ComPortNumber == 0) return false;
        ports_.DetermineValidPorts();
        step([&] { open = serial_.portOpen(); });
        // A network port still connecting: the port discovery goes on once it has.
        if (!open && ports_.OpenPending) return false;
    }

    if (!open) {
        showNoPort(step);
        step([&] { link_.frame.setCaption(startUp_.AppName + " (No Node Detected)"); });
        return false;
    }
    step([&] {
        if (link_.txtCom.backColour() != kGreen) link_.txtCom.setBackColour(kGreen);
    });
    bool dtr = false;
    step([&] { dtr = serial_.dtrEnable(); });
    if (dtr) {
        if (!step([&] { serial_.output(command); })) return false;
        flags_.Replies.written(command == kPresencePollText ? ReplyLedger::Command::Poll
                                                            : ReplyLedger::Command::Text);
        return true;
    }
    showNoPort(step);
    return false;
}

void CommandChannel::showNoPort(ReportingGuard& step) {
    step([&] { link_.txtCom.setBackColour(kRed); });
    step([&] { link_.lbl_txt_status.setText("No Com Port"); });
}

void CommandChannel::CmdTree(int number, const std::string& /*text*/) {
    if (startUp_.FormLoading || transfer_.TextTransferBusy || flags_.CmdBusy) return;
    flags_.CmdBusy = true;
    if (number == kPresencePoll) {
        flags_.ReopenBeforeSend = true;
        SendCom(kPresencePollText);
    }
    flags_.CmdBusy = false;
}

}  // namespace vq72
