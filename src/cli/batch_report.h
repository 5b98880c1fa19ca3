// SPDX-License-Identifier: MIT
// What vq72-osd-send --batch prints: a line per device as it completes, and a summary whose
// counts give the exit status.
#pragma once

#include <string>

#include "cli/send_outcome.h"
#include "cli/send_target.h"

namespace vq72::cli {

// "line 4: COM5 (/dev/ttyUSB0): Done", or the failure in the sender's words on the same line.
std::string batchResultLine(int lineNumber, const SendTarget& target, const SendResult& result);

class BatchTally {
public:
    void add(const SendResult& result);
    // "10 devices: 9 done, 1 no reply, 0 port unusable".
    std::string summary() const;
    // 0 when every device confirmed; 2 when a port was unusable; else 1.
    int exitStatus() const;

private:
    int done_ = 0;
    int noReply_ = 0;
    int unusable_ = 0;
};

}  // namespace vq72::cli
