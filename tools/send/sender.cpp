#include "sender.h"

#include <QEventLoop>
#include <QTimer>
#include <iostream>
#include <memory>

#include "cli/send_outcome.h"
#include "cli/send_session.h"
#include "platform/failure.h"
#include "platform/qt/termination_signals.h"
#include "port_control.h"

namespace vq72::send {

int sendAndWait(const cli::SendTarget& target, const std::string& command, int timeoutMs,
                const std::string& timeoutText) {
    // Before the port opens: a signal from now on closes it in order.
    TerminationSignals termination;
    const std::unique_ptr<SerialControl> serial = makePortControl(target.map);
    cli::SendSession session(*serial);
    try {
        session.send(target.port, command);
    } catch (const Failure& failure) {
        std::cerr << cli::unusablePortMessage(target, failure) << std::endl;
        return cli::kExitPortUnusable;
    }

    QEventLoop loop;
    session.setFinishedHandler([&loop] { loop.exit(); });
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&loop] { loop.exit(); });
    int endSignal = 0;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &loop,
                     [&](int number) {
                         endSignal = number;
                         loop.exit();
                     });
    timeout.start(timeoutMs);
    loop.exec();
    session.close();

    if (endSignal != 0) {
        std::cerr << "vq72-osd-send: ended by signal " << endSignal << "; port closed" << std::endl;
        return cli::kExitSignalBase + endSignal;
    }
    switch (session.state()) {
        case cli::SendSession::State::Acknowledged:
            std::cout << cli::kDoneText << std::endl;
            return cli::kExitDone;
        case cli::SendSession::State::PortLost:
            std::cerr << cli::portLostMessage(target) << std::endl;
            return cli::kExitNoReply;
        case cli::SendSession::State::Idle:
        case cli::SendSession::State::AwaitingReply:
            break;
    }
    std::cerr << cli::noReplyMessage(target, timeoutText) << std::endl;
    return cli::kExitNoReply;
}

}  // namespace vq72::send
