// SPDX-License-Identifier: MIT
#include "cli/batch_report.h"

#include <algorithm>

#include "cli/json_text.h"
#include "cli/send_command.h"
#include "cli/terminal_text.h"
#include "device/hex_bytes.h"

namespace vq72::cli {
namespace {

// The fields that name a line's port: "line", "port" (null for a device) and "device".
JsonObject lineFields(int lineNumber, const SendTarget& target) {
    const std::string device = target.path();
    return JsonObject()
        .field("line", lineNumber)
        .field("port",
               target.numbered ? std::optional("COM" + std::to_string(target.port)) : std::nullopt)
        .field("device", device.empty() ? std::nullopt : std::optional(device));
}

// "line 4: COM5 (/dev/ttyUSB0): ".
std::string linePrefix(int lineNumber, const SendTarget& target) {
    return "line " + std::to_string(lineNumber) + ": " + printable(target.label()) + ": ";
}

const char* resultName(int status) {
    if (status == kExitDone) return "done";
    return status == kExitPortUnusable ? "port unusable" : "no reply";
}

}  // namespace

std::string batchResultLine(int lineNumber, const SendTarget& target, const SendResult& result) {
    // An unusable port's message gives the platform's detail on a line of its own.
    std::string message = result.message;
    std::replace(message.begin(), message.end(), '\n', ' ');
    return linePrefix(lineNumber, target) + message;
}

std::string batchResultJson(int lineNumber, const SendTarget& target, const SendResult& result) {
    return lineFields(lineNumber, target)
        .field("result", resultName(result.status))
        .field("message", result.message)
        .text();
}

std::string batchFrames(const std::vector<BatchEntry>& entries, const PortMap& map, bool json) {
    std::string frames;
    for (const BatchEntry& entry : entries) {
        const SendTarget target = batchTarget(entry.request, map);
        const std::string frame = hexBytes(osdCommandFor(entry.request));
        frames += json ? lineFields(entry.lineNumber, target).field("frame", frame).text()
                       : linePrefix(entry.lineNumber, target) + frame;
        frames += "\n";
    }
    return frames;
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

std::string BatchTally::summaryJson() const {
    return JsonObject()
        .field("devices", done_ + noReply_ + unusable_)
        .field("done", done_)
        .field("no_reply", noReply_)
        .field("port_unusable", unusable_)
        .text();
}

int BatchTally::exitStatus() const {
    if (unusable_ > 0) return kExitPortUnusable;
    return noReply_ > 0 ? kExitNoReply : kExitDone;
}

}  // namespace vq72::cli
