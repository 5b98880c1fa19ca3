// SPDX-License-Identifier: MIT
// What vq72-osd-send --batch prints: a line per device as it completes, and a summary whose
// counts give the exit status.
#pragma once

#include <string>
#include <vector>

#include "cli/batch_file.h"
#include "cli/send_outcome.h"
#include "cli/send_target.h"

namespace vq72::cli {

// "line 4: COM5 (/dev/ttyUSB0): Done", or the failure in the sender's words on the same line.
std::string batchResultLine(int lineNumber, const SendTarget& target, const SendResult& result);

// The --json form: {"line":4,"port":"COM5","device":"/dev/ttyUSB0","result":"done",
// "message":"Done"}, "port" null for a line that names a device, "result" one of "done",
// "no reply" and "port unusable".
std::string batchResultJson(int lineNumber, const SendTarget& target, const SendResult& result);

// --batch --dry-run: a line per entry with the frame it would send, in the form of --dry-run:
// "line 4: COM5 (/dev/ttyUSB0): 43 54 54 ...", or with `json` {"line":4,"port":"COM5",
// "device":"/dev/ttyUSB0","frame":"43 54 54 ..."}. `map` gives the devices of port numbers.
std::string batchFrames(const std::vector<BatchEntry>& entries, const PortMap& map, bool json);

class BatchTally {
public:
    void add(const SendResult& result);
    // "10 devices: 9 done, 1 no reply, 0 port unusable".
    std::string summary() const;
    // {"devices":10,"done":9,"no_reply":1,"port_unusable":0}.
    std::string summaryJson() const;
    // 0 when every device confirmed; 2 when a port was unusable; else 1.
    int exitStatus() const;

private:
    int done_ = 0;
    int noReply_ = 0;
    int unusable_ = 0;
};

}  // namespace vq72::cli
