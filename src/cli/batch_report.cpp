// SPDX-License-Identifier: MIT
#include "cli/batch_report.h"

#include <algorithm>

#include "cli/terminal_text.h"

namespace vq72::cli {

std::string batchResultLine(int lineNumber, const SendTarget& target, const SendResult& result) {
    // An unusable port's message gives the platform's detail on a line of its own.
    std::string message = result.message;
    std::replace(message.begin(), message.end(), '\n', ' ');
    return "line " + std::to_string(lineNumber) + ": " + printable(target.label()) + ": " + message;
}

void BatchTally::add(const SendResult& result) {
    switch (result.status) {
        case kExitDone:
            ++done_;
            break;
        case kExitPortUnusable:
            ++unusable_;
            break;
        default:
            ++noReply_;
            break;
    }
}

std::string BatchTally::summary() const {
    const int devices = done_ + noReply_ + unusable_;
    return std::to_string(devices) + (devices == 1 ? " device: " : " devices: ") +
           std::to_string(done_) + " done, " + std::to_string(noReply_) + " no reply, " +
           std::to_string(unusable_) + " port unusable";
}

int BatchTally::exitStatus() const {
    if (unusable_ > 0) return kExitPortUnusable;
    return noReply_ > 0 ? kExitNoReply : kExitDone;
}

}  // namespace vq72::cli
