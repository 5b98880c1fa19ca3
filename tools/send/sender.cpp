// SPDX-License-Identifier: MIT
#include "sender.h"

#include <QEventLoop>
#include <QTimer>
#include <memory>

#include "cli/send_session.h"
#include "platform/failure.h"
#include "port_control.h"

namespace vq72::send {

Sender::Sender(bool trace) : trace_(trace) {
    QObject::connect(&termination_, &TerminationSignals::terminationRequested,
                     [this](int number) { endSignal_ = number; });
}

cli::SendResult Sender::send(const cli::SendTarget& target, const std::string& command,
                             int timeoutMs, const std::string& timeoutText) {
    const std::unique_ptr<SerialControl> serial = makePortControl(target.map, trace_);
    cli::SendSession session(*serial);
    QEventLoop loop;
    // A signal that came while no send was under way is taken before the port opens.
    loop.processEvents();
    if (endSignal_ == 0) {
        try {
            session.send(target.port, command);
        } catch (const Failure& failure) {
            return {cli::kExitPortUnusable, cli::unusablePortMessage(target, failure)};
        }
        session.setChangeHandler([&loop] { loop.exit(); });
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, [&loop] { loop.exit(); });
        QObject::connect(&termination_, &TerminationSignals::terminationRequested, &loop,
                         [&loop] { loop.exit(); });
        timeout.start(timeoutMs);
        // A network port still connecting (a name looked up, a server answering) is written to
        // once it has connected; a signal meanwhile ends the run as well.
        using State = cli::SendSession::State;
        while (endSignal_ == 0 && timeout.isActive() &&
               (session.state() == State::Connecting || session.state() == State::AwaitingReply)) {
            loop.exec();
        }
        session.close();
        session.rethrowEventFailure();
    }

    if (endSignal_ != 0) {
        return {cli::kExitSignalBase + endSignal_,
                "ended by signal " + std::to_string(endSignal_) + "; port closed"};
    }
    switch (session.state()) {
        case cli::SendSession::State::Acknowledged:
            return {cli::kExitDone, cli::kDoneText};
        case cli::SendSession::State::PortLost:
            return {cli::kExitNoReply, cli::portLostMessage(target)};
        case cli::SendSession::State::Failed:
            return {cli::kExitPortUnusable, cli::unusablePortMessage(target, *session.failure())};
        case cli::SendSession::State::Idle:
        case cli::SendSession::State::Connecting:
        case cli::SendSession::State::AwaitingReply:
            break;
    }
    return {cli::kExitNoReply, cli::noReplyMessage(target, timeoutText)};
}

}  // namespace vq72::send
