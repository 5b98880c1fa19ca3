// SPDX-License-Identifier: MIT
#include "platform/network/connection_failures.h"

#include <cerrno>

#include "platform/failure_numbers.h"

namespace vq72::network {
namespace {

// Each problem keeps a number of its own, so that a window reports each once.
long numberOf(ConnectionProblem problem) {
    switch (problem) {
        case ConnectionProblem::NameUnknown:
            return failure_number::kSystemErrorBase + ENXIO;
        case ConnectionProblem::NameServerDown:
        case ConnectionProblem::NameLate:
            return failure_number::kSystemErrorBase + EAGAIN;
        case ConnectionProblem::NoInterface:
            return failure_number::kSystemErrorBase + ENODEV;
        case ConnectionProblem::Refused:
            return failure_number::kSystemErrorBase + ECONNREFUSED;
        case ConnectionProblem::NoAnswer:
            return failure_number::kSystemErrorBase + ETIMEDOUT;
        case ConnectionProblem::NoRfc2217:
            return failure_number::kSystemErrorBase + EPROTO;
        case ConnectionProblem::Unreachable:
            return failure_number::kSystemErrorBase + EHOSTUNREACH;
        case ConnectionProblem::ClosedAtOnce:
        case ConnectionProblem::Lost:
            break;
    }
    return failure_number::kSystemErrorBase + ECONNRESET;
}

std::string textOf(const NetworkPort& server, ConnectionProblem problem) {
    const std::string named = server.hostAndPort() + " (" + server.entry() + ")";
    const std::string byAddress = "or name the serial server by its address";
    switch (problem) {
        case ConnectionProblem::NameUnknown:
            return "The host name of the serial server " + named +
                   " is not known. Check the name, " + byAddress + ".";
        case ConnectionProblem::NameServerDown:
            return "The host name of the serial server " + named +
                   " cannot be looked up: no name server answers. Check the network, " + byAddress +
                   ".";
        case ConnectionProblem::NameLate:
            return "The host name of the serial server " + named +
                   " is still being looked up: the name server is slow or does not answer. Check "
                   "the network, " +
                   byAddress + ".";
        case ConnectionProblem::NoInterface:
            return "The serial server " + named + " names the network interface \"" + server.zone +
                   "\", which this computer does not have. Name one of its interfaces after "
                   "\"%\".";
        case ConnectionProblem::Refused:
            return "The serial server " + named +
                   " refuses the connection. Check that the server runs and that its port number "
                   "is right.";
        case ConnectionProblem::NoAnswer:
            return "The serial server " + named +
                   " does not answer. Check that the host is on the network and that the server "
                   "runs.";
        case ConnectionProblem::ClosedAtOnce:
            return "The serial server " + named +
                   " closes the connection at once. Check that no other program uses the port "
                   "(a server port takes one client at a time).";
        case ConnectionProblem::NoRfc2217:
            return "The serial server " + named +
                   " answers but does not speak RFC 2217 (Telnet COM Port Control). Use tcp://" +
                   server.hostAndPort() +
                   " for a raw TCP port, or make the server's port a telnet(rfc2217) one.";
        case ConnectionProblem::Unreachable:
            return "Cannot connect to the serial server " + named +
                   ": this computer cannot reach that address. Check the address and the "
                   "network.";
        case ConnectionProblem::Lost:
            break;
    }
    return "The connection to the serial server " + named + " is lost.";
}

}  // namespace

Failure connectionFailure(const NetworkPort& server, ConnectionProblem problem) {
    return Failure(numberOf(problem), textOf(server, problem));
}

}  // namespace vq72::network
