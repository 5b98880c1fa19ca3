// A network connection through gensio (the library under ser2net): a TCP gensio to the server's
// addresses, with a Telnet gensio (RFC 2217) over it for an rfc2217:// port. A host name is
// looked up first (name_lookup.h); the TCP connection is opened first and the Telnet one over it
// after, so that a server that answers without Telnet COM Port Control is told apart from one
// that does not answer. gensio's events run on its own thread; received bytes and bytes to send
// wait here under a lock.
#pragma once

#include <memory>

#include "platform/network/network_connection.h"

struct sergensio;

namespace vq72::network {

class GensioConnection : public NetworkConnection {
public:
    GensioConnection(const NetworkPort& server, std::function<void()> onChange);
    ~GensioConnection() override;
    GensioConnection(const GensioConnection&) = delete;
    GensioConnection& operator=(const GensioConnection&) = delete;

    bool waitOpen(Clock::time_point until) override;
    Failure unfinished() const override;
    bool connecting() const override;
    bool lost() const override;
    std::size_t waiting() const override;
    std::string take(std::size_t most) override;
    void discardReceived() override;
    void write(const std::string& bytes) override;
    std::size_t unsent() const override;
    void setLineSettings(const LineSettings& settings, int handshaking) override;
    void setModemLine(bool dtr, bool on) override;

private:
    struct State;
    // The Telnet COM Port Control side of an open connection; null on a raw port.
    ::sergensio* serialLine() const;

    std::shared_ptr<State> state_;
};

}  // namespace vq72::network
