// SPDX-License-Identifier: MIT
// Sends on the Qt event loop: the session over the Qt serial control, the reply timeout and
// the end signals. Each send returns its outcome; the caller prints it.
#pragma once

#include <string>

#include "cli/send_outcome.h"
#include "cli/send_target.h"
#include "platform/qt/termination_signals.h"

namespace vq72::send {

class Sender {
public:
    // From now on SIGTERM, SIGINT and SIGHUP end the run: the send under way stops with the port
    // closed, and later sends do not start. With `trace`, the ports' traffic goes to standard
    // error.
    explicit Sender(bool trace);

    // Writes `command` to the target's port and waits for the acknowledgement at most
    // `timeoutMs` (`timeoutText` seconds, for the message). The port is closed however the send
    // ends; after an end signal the result's status is 128 + its number.
    cli::SendResult send(const cli::SendTarget& target, const std::string& command, int timeoutMs,
                         const std::string& timeoutText);

private:
    TerminationSignals termination_;
    bool trace_;
    int endSignal_ = 0;
};

}  // namespace vq72::send
