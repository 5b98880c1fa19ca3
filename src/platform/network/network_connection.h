// One connection to a network serial server through gensio: a raw TCP port ("tcp://") or a
// Telnet COM Port Control port ("rfc2217://"), which is told the line settings and the modem
// lines as a local port would be set. Connecting starts at construction and never blocks the
// caller longer than the deadline it gives. gensio's events run on its own thread; received
// bytes wait here under a lock (at most kReceiveLimit: a flood stops being read, as on a local
// port) and `onChange`, called on that thread, tells of new bytes and of a lost connection.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "device/line_settings.h"
#include "device/network_port.h"

struct sergensio;

namespace vq72::network {

class NetworkConnection {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t kReceiveLimit = 4096;

    NetworkConnection(const NetworkPort& server, std::function<void()> onChange);
    ~NetworkConnection();
    NetworkConnection(const NetworkConnection&) = delete;
    NetworkConnection& operator=(const NetworkConnection&) = delete;

    // Waits until the connection is made or `deadline` passes; throws Failure naming the server
    // when it is not made.
    void waitOpen(Clock::time_point deadline);
    // The server closed the connection, or the network failed, after it was made.
    bool lost() const;

    std::size_t waiting() const;
    std::string take(std::size_t most);
    void discardReceived();
    // Hands every byte to gensio before it returns, waiting at most `wait` for room; throws
    // Failure when the connection cannot take them.
    void write(const std::string& bytes, std::chrono::milliseconds wait);

    // Telnet COM Port Control only (a raw port has no way to say them): sent, not awaited.
    void setLineSettings(const LineSettings& settings, int handshaking);
    void setModemLine(bool dtr, bool on);

private:
    struct State;
    // The Telnet COM Port Control side of an open connection; null on a raw port.
    ::sergensio* serialLine() const;
    NetworkPort server_;
    std::shared_ptr<State> state_;
};

}  // namespace vq72::network
