// SPDX-License-Identifier: MIT
#include "protocol/reply_reader.h"

namespace vq72 {
namespace {

bool contains(const std::string& line, const char* token) {
    return line.find(token) != std::string::npos;
}

}  // namespace

void ReplyReader::RecvData() {
    // Until the port has settled only replies owed are read: a text written meanwhile is
    // confirmed as soon as the device answers.
    if (!flags_.PortReady && flags_.Replies.empty()) return;

    bool readingInput = false;
    FailureInfo failure;
    const bool ok = runUnit(
        [&] {
            if (!receive(readingInput)) return;
            if (flags_.RxWaitTicks > 0 || RxBuffer.empty()) return;

            const ReceiveBuffer::Batch batch = RxBuffer.take();
            if (batch.length < kMinBatch) {
                flags_.RxWaitTicks = kQuietTicks;
                return;
            }
            link_.txtCom.setBackColour(kGreen);
            flags_.TicksSinceReply = 0;
            for (int i = 0; i < batch.cutAcknowledgements; ++i) acknowledged();
            // Nothing is purged afterwards: bytes that arrived meanwhile (the next command's
            // answer) start the next batch.
            interpret(batch.text);
        },
        failure);
    if (ok) return;
    // Only the byte count can fail outside the read; the blank stands for the receive stage.
    if (!readingInput) report_.ShowError(failure.description + " ", "RecvData");
    teardown();
}

bool ReplyReader::receive(bool& readingInput) {
    while (serial_.inBufferCount() > 0) {
        readingInput = true;
        const std::string bytes = serial_.input();
        if (bytes.empty()) return false;
        for (char c : bytes) {
            RxBuffer.append(c);
            flags_.RxWaitTicks = RxBuffer.head() == kBannerStart ? kBannerQuietTicks : kQuietTicks;
        }
        readingInput = false;
    }
    return true;
}

void ReplyReader::interpret(const std::string& batch) {
    std::size_t position = 0;
    while (position < batch.size()) {
        const std::size_t cr = batch.find('\r', position);
        if (cr == std::string::npos) {
            ProcessData(batch.substr(position));
            return;
        }
        ProcessData(batch.substr(position, cr - position + 1));
        position = cr + 1;
    }
}

void ReplyReader::teardown() {
    serial_.setPortOpen(false);
    markNoComPort();
}

void ReplyReader::markNoComPort() {
    app_.beep();
    flags_.PortReady = false;
    link_.txtCom.setBackColour(kRed);
    link_.lbl_txt_status.setText("No Com Port");
    link_.mnuUpLoadLogo.setEnabled(false);
    RxBuffer.clear();
}

void ReplyReader::acknowledged() {
    // "No Reply" stays on screen a while: a poll's answer does not replace it.
    const bool noticeShown = transfer_.NoReply.shown();
    if (!noticeShown) step([&] { link_.lbl_txt_status.setBackColour(kGreen); });
    step([&] {
        const int port = serial_.commPort();
        menu_.deviceAnswered(port, serial_.devicePath(port));
    });
    const ReplyLedger::Payment payment = flags_.Replies.paid();
    if (transfer_.TextSentPending != 0) {
        if (payment != ReplyLedger::Payment::TextConfirmed) return;
        transfer_.TextSentPending = 0;
        step([&] { link_.lbl_txt_status.setText("Done"); });
    } else if (!noticeShown) {
        step([&] { link_.frame.setCaption(startUp_.AppName + " (VQ72xx Found)"); });
        step([&] { link_.lbl_txt_status.setText("VQ72xx Found"); });
    }
}

void ReplyReader::ProcessData(std::string line) {
    if (contains(line, kBannerToken)) return;
    if (contains(line, kAcknowledgement)) {
        acknowledged();
        return;
    }
    if (contains(line, "BG001M")) {
        if (LogoModelSaved != kLogoModel) {
            LogoModelSaved = kLogoModel;
            step([&] {
                settings_.SaveRegSetting(kAppTitle, kFormInitSection, "LG_Model",
                                         std::to_string(kLogoModel));
            });
        }
        step([&] { link_.frame.setCaption(startUp_.AppName); });
        return;
    }
    if (contains(line, "Time=")) return;
    if (contains(line, "BGERA")) {
        step([&] {
            report_.ShowError("Image " + std::to_string(ImageNumber) + " is now erased.",
                              "Task Done");
        });
        return;
    }
    if (contains(line, "BGERR")) {
        step([&] { report_.ShowError("A file transfer error has occured.", "Task incomplete"); });
    }
}

void ReplyReader::lastTextGivenUp() {
    transfer_.TextSentPending = 0;
    // A port lost meanwhile has said so already.
    if (serial_.portOpen()) transfer_.NoReply.show(link_.lbl_txt_status);
}

void ReplyReader::processFailed(const FailureInfo& failure) {
    markNoComPort();
    report_.ShowError(failure.description + ": 3", "ProcessData");
}

}  // namespace vq72
