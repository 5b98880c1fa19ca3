// A network connection through gensio (the library under ser2net): "tcp,HOST,PORT" or
// "telnet(rfc2217),tcp,HOST,PORT". gensio's events run on its own thread; received bytes wait
// here under a lock.
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

    void waitOpen(Clock::time_point deadline) override;
    bool connecting() const override;
    bool lost() const override;
    std::size_t waiting() const override;
    std::string take(std::size_t most) override;
    void discardReceived() override;
    void write(const std::string& bytes, std::chrono::milliseconds wait) override;
    void setLineSettings(const LineSettings& settings, int handshaking) override;
    void setModemLine(bool dtr, bool on) override;

private:
    struct State;
    // The Telnet COM Port Control side of an open connection; null on a raw port.
    ::sergensio* serialLine() const;

    NetworkPort server_;
    std::shared_ptr<State> state_;
};

}  // namespace vq72::network
