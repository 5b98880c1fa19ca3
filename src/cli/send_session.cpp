// SPDX-License-Identifier: MIT
#include "cli/send_session.h"

#include "device/port_setup.h"
#include "platform/failure_numbers.h"

namespace vq72::cli {

SendSession::SendSession(SerialControl& serial) : serial_(serial) {
    serial_.setEventHandler([this] {
        if (eventFailure_) return;
        try {
            takeEvent();
        } catch (...) {
            eventFailure_ = std::current_exception();
            moveOn(State::Idle);
        }
    });
}

SendSession::~SendSession() {
    try {
        close();
    } catch (const std::exception&) {
        // Closing at the end of the run: nothing left to tell.
    }
    serial_.setEventHandler(nullptr);
}

void SendSession::send(int port, const std::string& command) {
    port_ = port;
    command_ = command;
    sendNow();
}

void SendSession::sendNow() {
    try {
        serial_.setCommPort(port_);
        serial_.setSettings(port_setup::kLineSettings);
        serial_.setHandshaking(port_setup::kNoHandshaking);
        serial_.setInputLen(port_setup::kInputLen);
        serial_.setOutBufferSize(port_setup::kOutBufferSize);
        serial_.setRThreshold(kReceiveThreshold);
        serial_.setPortOpen(true);
        serial_.setDTREnable(true);
        serial_.setRTSEnable(true);
        // A reply meant for someone else must not pass for ours.
        serial_.purge(PurgeScope::ReceiveOnly);
        state_ = State::AwaitingReply;
        serial_.output(command_);
    } catch (const Failure& failure) {
        if (failure.number() == failure_number::kPortOpening) {
            state_ = State::Connecting;
            return;
        }
        state_ = State::Idle;
        close();
        throw;
    }
}

void SendSession::close() {
    if (!serial_.portOpen()) return;
    serial_.setDTREnable(false);
    serial_.setRTSEnable(false);
    serial_.setPortOpen(false);
}

void SendSession::rethrowEventFailure() const {
    if (eventFailure_) std::rethrow_exception(eventFailure_);
}

void SendSession::takeEvent() {
    const int event = serial_.commEvent();
    if (state_ == State::Connecting && event == comm_event::kOpenSettled) {
        try {
            sendNow();
        } catch (const Failure& failure) {
            failure_ = failure;
            moveOn(State::Failed);
            return;
        }
        if (state_ == State::AwaitingReply) moveOn(State::AwaitingReply);
        return;
    }
    if (state_ != State::AwaitingReply) return;
    if (event == comm_event::kReceive) {
        while (serial_.inBufferCount() > 0) {
            const std::string bytes = serial_.input();
            if (bytes.empty()) break;
            if (watch_.take(bytes)) {
                moveOn(State::Acknowledged);
                return;
            }
        }
    } else if (event == comm_event::kPortLost) {
        moveOn(State::PortLost);
    }
}

void SendSession::moveOn(State state) {
    state_ = state;
    if (changed_) changed_();
}

}  // namespace vq72::cli
