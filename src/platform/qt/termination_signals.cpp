// SPDX-License-Identifier: MIT
#include "platform/qt/termination_signals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace vq72 {

#ifdef Q_OS_UNIX
namespace {

int wakeFds[2] = {-1, -1};
constexpr int kHandled[] = {SIGTERM, SIGINT, SIGHUP};

// Only async-signal-safe work here: one byte into the socket pair wakes the event loop. A full
// pair drops it (the loop has a byte to read already), and the interrupted code keeps its errno.
void onSignal(int number) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(wakeFds[0], &byte, 1);
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    // Never inherited by a program we start (the PDF viewer), never blocking the handler.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeFds) != 0) return;
    notifier_ = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        if (::read(wakeFds[1], &byte, 1) == 1) emit terminationRequested(byte);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kHandled) ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr) return;
    for (int signal : kHandled) ::signal(signal, SIG_DFL);
    ::close(wakeFds[0]);
    ::close(wakeFds[1]);
    wakeFds[0] = wakeFds[1] = -1;
}

#else

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}
TerminationSignals::~TerminationSignals() = default;

#endif

}  // namespace vq72
