// SPDX-License-Identifier: MIT
// Why a network port does not open, or stops working, in the program's own words: each names the
// server as the port map does and says what to check.
#pragma once

#include "device/network_port.h"
#include "platform/failure.h"

namespace vq72::network {

enum class ConnectionProblem {
    NameUnknown,     // the name server knows no address for the host name
    NameServerDown,  // the host name cannot be looked up (no name server answers)
    NameLate,        // the host name is still being looked up when the wait is over
    NoInterface,     // the zone of a link-local address names no network interface here
    Refused,         // nothing listens on the port
    NoAnswer,        // the host does not answer the connection
    ClosedAtOnce,    // the server closes the connection as soon as it is made
    NoRfc2217,       // the server answers, but no Telnet COM Port Control
    Unreachable,     // the system cannot open a connection to the address
    Lost,            // the connection was made and is gone
};

Failure connectionFailure(const NetworkPort& server, ConnectionProblem problem);

}  // namespace vq72::network
