#include "protocol/command_channel.h"

namespace vq72 {

bool CommandChannel::SendCom(const std::string& command) {
    WindowState& s = w_.state;
    if (s.FormLoading) return false;
    ReportingGuard step(report_, "SendCom");

    // A port that closed by itself since the last write took the replies still owed with it.
    step([&] {
        if (!serial_.portOpen()) s.RepliesOwed = 0;
    });
    if (s.ReopenBeforeSend) {
        s.ReopenBeforeSend = false;
        step([&] { serial_.setPortOpen(false); });
    }

    bool open = false;
    step([&] { open = serial_.portOpen(); });
    if (!open) {
        if (s.ComPortNumber == 0) return false;
        ports_.DetermineValidPorts();
        step([&] { open = serial_.portOpen(); });
    }

    if (!open) {
        showNoPort(step);
        step([&] { w_.setCaption(s.AppName + " (No Node Detected)"); });
        return false;
    }
    step([&] {
        if (w_.txtCom.backColour() != kGreen) w_.txtCom.setBackColour(kGreen);
    });
    bool dtr = false;
    step([&] { dtr = serial_.dtrEnable(); });
    if (dtr) {
        if (!step([&] { serial_.output(command); })) return false;
        ++s.RepliesOwed;
        s.ReplyDeadlineTicks = kReplyDeadlineTicks;
        return true;
    }
    showNoPort(step);
    return false;
}

void CommandChannel::showNoPort(ReportingGuard& step) {
    step([&] { w_.txtCom.setBackColour(kRed); });
    step([&] { w_.lbl_txt_status.setText("No Com Port"); });
}

void CommandChannel::CmdTree(int number, const std::string& /*text*/) {
    WindowState& s = w_.state;
    if (s.FormLoading || s.TextTransferBusy || s.CmdBusy) return;
    s.CmdBusy = true;
    if (number == kPresencePoll) {
        s.ReopenBeforeSend = true;
        SendCom(kPresencePollText);
    }
    s.CmdBusy = false;
}

}  // namespace vq72
