// One send on the Qt event loop: the session over the Qt serial control, the reply timeout and
// the end signals. Prints the outcome and returns the exit status.
#pragma once

#include <string>

#include "cli/send_target.h"

namespace vq72::send {

// SIGTERM, SIGINT and SIGHUP end the wait early (exit status 128 + the signal's number); the
// port is closed however the run ends.
int sendAndWait(const cli::SendTarget& target, const std::string& command, int timeoutMs,
                const std::string& timeoutText);

}  // namespace vq72::send
