#include "end_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

namespace vq72::send {
namespace {

int writeEnd = -1;

void onEndSignal(int number) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

}  // namespace

int watchEndSignals() {
    int ends[2] = {-1, -1};
    if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0) return -1;
    writeEnd = ends[1];
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(number, &action, nullptr);
    return ends[0];
}

int takeEndSignal(int fd) {
    char byte = 0;
    return ::read(fd, &byte, 1) == 1 ? static_cast<unsigned char>(byte) : 0;
}

}  // namespace vq72::send
