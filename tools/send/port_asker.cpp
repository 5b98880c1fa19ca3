// SPDX-License-Identifier: MIT
#include "port_asker.h"

#include <QEventLoop>
#include <QTimer>

#include "cli/send_session.h"
#include "device/reply_tokens.h"
#include "platform/failure.h"
#include "platform/qt/qt_serial_control.h"
#include "port_control.h"

namespace vq72::send {

PortAsker::PortAsker(const PortMap& map, bool trace) : serial_(makePortControl(map, trace)) {}

std::optional<cli::ProbeAnswer> PortAsker::ask(int port) {
    if (endSignal_ != 0) return std::nullopt;
    using Kind = cli::ProbeAnswer::Kind;
    cli::SendSession session(*serial_);
    try {
        session.send(port, reply_tokens::kPresenceQuestion);
    } catch (const Failure& failure) {
        return cli::ProbeAnswer{Kind::Failed, failure.description()};
    }

    QEventLoop loop;
    session.setChangeHandler([&loop] { loop.exit(); });
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&loop] { loop.exit(); });
    const QMetaObject::Connection ending = QObject::connect(
        &termination_, &TerminationSignals::terminationRequested, &loop, [&](int number) {
            endSignal_ = number;
            loop.exit();
        });
    // A network port still connecting is asked once it has: the reply's time starts then.
    using State = cli::SendSession::State;
    while (endSignal_ == 0 && session.state() == State::Connecting) loop.exec();
    if (endSignal_ == 0 && session.state() == State::AwaitingReply) {
        // The question leaves once the new connection's line has been quiet.
        timeout.start(cli::kProbeReplyMs + QtSerialControl::kQuietMs);
        loop.exec();
    }
    QObject::disconnect(ending);
    session.close();
    session.rethrowEventFailure();

    if (session.state() == State::Acknowledged) return {{Kind::Answered, {}}};
    if (session.state() == State::Failed) return {{Kind::Failed, session.failure()->description()}};
    if (endSignal_ != 0) return std::nullopt;
    return {{Kind::Silent, {}}};
}

}  // namespace vq72::send
