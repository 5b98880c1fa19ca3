// One OSD command sent over the serial control and acknowledged: the port is opened the way
// the window opens it, anything already waiting is discarded, the command is written, and the
// replies are watched for the device's acknowledgement line.
#pragma once

#include <exception>
#include <functional>
#include <string>

#include "cli/acknowledgement_watch.h"
#include "platform/serial_control.h"

namespace vq72::cli {

class SendSession {
public:
    enum class State { Idle, AwaitingReply, Acknowledged, PortLost };

    // Every received byte raises the receive event: a short reply counts too.
    static constexpr int kReceiveThreshold = 1;

    // Takes over the control's event handler.
    explicit SendSession(SerialControl& serial);
    SendSession(const SendSession&) = delete;
    SendSession& operator=(const SendSession&) = delete;
    ~SendSession();

    // Opens `port` at 9600,N,8,1, no handshaking, binary, DTR and RTS on, and writes `command`.
    // Throws Failure when the port cannot be opened or written; the port is closed then.
    void send(int port, const std::string& command);
    // Drops DTR and RTS and closes the port; harmless when closed.
    void close();

    // Called once the session has finished (acknowledged, port lost, or failed while taking an
    // event).
    void setFinishedHandler(std::function<void()> handler) { finished_ = std::move(handler); }

    State state() const { return state_; }
    // Throws what taking an event threw (out of memory, a failed read), if anything: an event
    // comes from the event loop, which no exception may cross, so it waits for whoever ran the
    // loop. Such a session is Idle and takes no more events.
    void rethrowEventFailure() const;

private:
    void takeEvent();
    void finish(State state);

    SerialControl& serial_;
    AcknowledgementWatch watch_;
    State state_ = State::Idle;
    std::function<void()> finished_;
    std::exception_ptr eventFailure_;
};

}  // namespace vq72::cli
