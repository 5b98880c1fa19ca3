// One connection to a network serial server: a raw TCP port ("tcp://") or a Telnet COM Port
// Control port ("rfc2217://"), which is told the line settings and the modem lines as a local
// port would be set. Connecting starts when the connection is made and never blocks the caller
// longer than the deadline it gives. Received bytes wait here (at most kReceiveLimit: a flood
// stops being read, as on a local port); the owner learns of new bytes and of a lost connection
// through a callback that may run on another thread.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

#include "device/line_settings.h"
#include "device/network_port.h"

namespace vq72::network {

class NetworkConnection {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t kReceiveLimit = 4096;

    virtual ~NetworkConnection() = default;

    // Waits until the connection is made or `deadline` passes; throws Failure naming the server
    // when it is not made.
    virtual void waitOpen(Clock::time_point deadline) = 0;
    // Not made yet, nor refused: the server has not answered so far.
    virtual bool connecting() const = 0;
    // The server closed the connection, or the network failed, after it was made.
    virtual bool lost() const = 0;

    virtual std::size_t waiting() const = 0;
    virtual std::string take(std::size_t most) = 0;
    virtual void discardReceived() = 0;
    // Hands every byte over before it returns, waiting at most `wait` for room; throws Failure
    // when the connection cannot take them.
    virtual void write(const std::string& bytes, std::chrono::milliseconds wait) = 0;

    // Telnet COM Port Control only (a raw port has no way to say them): sent, not awaited.
    virtual void setLineSettings(const LineSettings& settings, int handshaking) = 0;
    virtual void setModemLine(bool dtr, bool on) = 0;
};

// The entry point of the module that makes connections: a new connection to `server` (owned
// by the caller), `onChange` called on new bytes and on the loss.
using ConnectFunction = NetworkConnection* (*)(const NetworkPort& server,
                                               std::function<void()> onChange);
inline constexpr const char* kConnectFunctionName = "vq72_network_connect";
inline constexpr const char* kModuleFileName = "libvq72-network-gensio.so";

}  // namespace vq72::network
