// SPDX-License-Identifier: MIT
// Asks the ports of the listing, one at a time, whether a VQ72xx answers: the port is opened as
// for a send, "CTS" is written, and the acknowledgement is awaited for cli::kProbeReplyMs at
// most before the port is closed again. SIGTERM, SIGINT and SIGHUP end the port being asked at
// once and leave the rest unasked.
#pragma once

#include <memory>
#include <optional>

#include "cli/port_probe.h"
#include "device/port_map.h"
#include "platform/qt/termination_signals.h"
#include "platform/serial_control.h"

namespace vq72::send {

class PortAsker {
public:
    // With `trace`, the ports' traffic goes to standard error.
    PortAsker(const PortMap& map, bool trace);

    // Nothing once an end signal has come.
    std::optional<cli::ProbeAnswer> ask(int port);
    // The signal that ended the run; 0 when none came.
    int endSignal() const { return endSignal_; }

private:
    TerminationSignals termination_;
    std::unique_ptr<SerialControl> serial_;
    int endSignal_ = 0;
};

}  // namespace vq72::send
