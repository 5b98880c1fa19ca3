// SPDX-License-Identifier: MIT
// One connection to a network serial server, through gensio (the library under ser2net): a raw
// TCP port ("tcp://") or a Telnet COM Port Control port ("rfc2217://", a Telnet gensio over the
// TCP one), which is told the line settings and the modem lines as a local port would be set. A
// host name is looked up first (name_lookup.h); the TCP connection is opened first and the
// Telnet one over it after, so that a server that answers without Telnet COM Port Control is told
// apart from one that does not answer. Nothing here blocks its caller longer than the wait it
// gives: the lookup, the connect and the Telnet negotiation go on on gensio's thread, and so does
// sending. Received bytes wait here (at most kReceiveLimit: a flood stops being read, as on a
// local port); the owner learns of new bytes, of the end of the connecting (made or failed) and
// of a lost connection through a callback that runs on gensio's thread.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "device/line_settings.h"
#include "device/network_port.h"
#include "platform/failure.h"

struct sergensio;

namespace vq72::network {

class NetworkConnection {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t kReceiveLimit = 4096;

    // Starts connecting to `server`; `onChange` is called on new bytes, when connecting ends and
    // on the loss. Throws Failure when gensio cannot start or the connection cannot begin.
    NetworkConnection(const NetworkPort& server, std::function<void()> onChange);
    ~NetworkConnection();
    NetworkConnection(const NetworkConnection&) = delete;
    NetworkConnection& operator=(const NetworkConnection&) = delete;

    // Waits until the connection is made or has failed, or until `until`: true when it is made,
    // false while it is still being made; throws Failure naming the server when it failed.
    bool waitOpen(Clock::time_point until);
    // Why the connection is still not made (the name not looked up yet, no answer, no Telnet COM
    // Port Control), for when its time is up.
    Failure unfinished() const;
    // Not made yet, nor failed.
    bool connecting() const;
    // The server closed the connection, or the network failed, after it was made.
    bool lost() const;

    std::size_t waiting() const;
    std::string take(std::size_t most);
    void discardReceived();
    // Queues the bytes for sending, in order, without waiting; throws Failure when the
    // connection is lost.
    void write(const std::string& bytes);
    // Bytes written but not yet taken by the network.
    std::size_t unsent() const;

    // Telnet COM Port Control only (a raw port has no way to say them): sent, not awaited.
    void setLineSettings(const LineSettings& settings, int handshaking);
    void setModemLine(bool dtr, bool on);

private:
    struct State;
    // The Telnet COM Port Control side of an open connection; null on a raw port.
    ::sergensio* serialLine() const;

    std::shared_ptr<State> state_;
};

}  // namespace vq72::network
