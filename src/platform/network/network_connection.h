// One connection to a network serial server: a raw TCP port ("tcp://") or a Telnet COM Port
// Control port ("rfc2217://"), which is told the line settings and the modem lines as a local
// port would be set. A host name is looked up first. Nothing here blocks its caller longer than
// the wait it gives: the lookup, the connect and the Telnet negotiation go on in the background,
// and so does sending. Received bytes wait here (at most kReceiveLimit: a flood stops being read,
// as on a local port); the owner learns of new bytes, of the end of the connecting (made or
// failed) and of a lost connection through a callback that may run on another thread.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

#include "device/line_settings.h"
#include "device/network_port.h"
#include "platform/failure.h"

namespace vq72::network {

class NetworkConnection {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t kReceiveLimit = 4096;

    virtual ~NetworkConnection() = default;

    // Waits until the connection is made or has failed, or until `until`: true when it is made,
    // false while it is still being made; throws Failure naming the server when it failed.
    virtual bool waitOpen(Clock::time_point until) = 0;
    // Why the connection is still not made (the name not looked up yet, no answer, no Telnet COM
    // Port Control), for when its time is up.
    virtual Failure unfinished() const = 0;
    // Not made yet, nor failed.
    virtual bool connecting() const = 0;
    // The server closed the connection, or the network failed, after it was made.
    virtual bool lost() const = 0;

    virtual std::size_t waiting() const = 0;
    virtual std::string take(std::size_t most) = 0;
    virtual void discardReceived() = 0;
    // Queues the bytes for sending, in order, without waiting; throws Failure when the
    // connection is lost.
    virtual void write(const std::string& bytes) = 0;
    // Bytes written but not yet taken by the network.
    virtual std::size_t unsent() const = 0;

    // Telnet COM Port Control only (a raw port has no way to say them): sent, not awaited.
    virtual void setLineSettings(const LineSettings& settings, int handshaking) = 0;
    virtual void setModemLine(bool dtr, bool on) = 0;
};

// The entry point of the module that makes connections: a new connection to `server` (owned
// by the caller), `onChange` called on new bytes, when connecting ends and on the loss.
using ConnectFunction = NetworkConnection* (*)(const NetworkPort& server,
                                               std::function<void()> onChange);
inline constexpr const char* kConnectFunctionName = "vq72_network_connect";
inline constexpr const char* kModuleFileName = "libvq72-network-gensio.so";

}  // namespace vq72::network
