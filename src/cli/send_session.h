// SPDX-License-Identifier: MIT
// One OSD command sent over the serial control and acknowledged: the port is opened the way
// the window opens it, anything already waiting is discarded, the command is written, and the
// replies are watched for the device's acknowledgement line. A network port that is still
// connecting is opened, and the command written, once the control says it has connected.
#pragma once

#include <exception>
#include <functional>
#include <optional>
#include <string>

#include "cli/acknowledgement_watch.h"
#include "platform/failure.h"
#include "platform/serial_control.h"

namespace vq72::cli {

class SendSession {
public:
    enum class State { Idle, Connecting, AwaitingReply, Acknowledged, PortLost, Failed };

    // Every received byte raises the receive event: a short reply counts too.
    static constexpr int kReceiveThreshold = 1;

    // Takes over the control's event handler.
    explicit SendSession(SerialControl& serial);
    SendSession(const SendSession&) = delete;
    SendSession& operator=(const SendSession&) = delete;
    ~SendSession();

    // Opens `port` at 9600,N,8,1, no handshaking, binary, DTR and RTS on, and writes `command`
    // (Connecting meanwhile when the port is still connecting). Throws Failure when the port
    // cannot be opened or written; the port is closed then.
    void send(int port, const std::string& command);
    // Drops DTR and RTS and closes the port; harmless when closed.
    void close();

    // Called whenever an event moves the session on: the command written once the port has
    // connected, the acknowledgement, the port lost, the open failed after connecting.
    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    State state() const { return state_; }
    // Why the open failed (state Failed).
    const std::optional<Failure>& failure() const { return failure_; }
    // Throws what taking an event threw (out of memory, a failed read), if anything: an event
    // comes from the event loop, which no exception may cross, so it waits for whoever ran the
    // loop. Such a session is Idle and takes no more events.
    void rethrowEventFailure() const;

private:
    void sendNow();
    void takeEvent();
    void moveOn(State state);

    SerialControl& serial_;
    AcknowledgementWatch watch_;
    State state_ = State::Idle;
    int port_ = 0;
    std::string command_;
    std::optional<Failure> failure_;
    std::function<void()> changed_;
    std::exception_ptr eventFailure_;
};

}  // namespace vq72::cli
