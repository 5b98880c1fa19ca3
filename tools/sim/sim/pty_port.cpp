// SPDX-License-Identifier: MIT
#include "sim/pty_port.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <system_error>

namespace vq72::sim {
namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

struct Speed {
    speed_t code;
    int baud;
};
constexpr std::array<Speed, 12> kSpeeds{{{B300, 300},
                                         {B600, 600},
                                         {B1200, 1200},
                                         {B2400, 2400},
                                         {B4800, 4800},
                                         {B9600, 9600},
                                         {B19200, 19200},
                                         {B38400, 38400},
                                         {B57600, 57600},
                                         {B115200, 115200},
                                         {B230400, 230400},
                                         {B460800, 460800}}};

}  // namespace

std::string PtyPort::lineSettings() const {
    termios line{};
    if (slave_ < 0 || ::tcgetattr(slave_, &line) != 0) return {};
    std::string baud = "?";
    for (const Speed& speed : kSpeeds) {
        if (speed.code == ::cfgetospeed(&line)) baud = std::to_string(speed.baud);
    }
    const char parity = (line.c_cflag & PARENB) == 0 ? 'N' : (line.c_cflag & PARODD) ? 'O' : 'E';
    const tcflag_t size = line.c_cflag & CSIZE;
    const int dataBits = size == CS5 ? 5 : size == CS6 ? 6 : size == CS7 ? 7 : 8;
    return baud + "," + parity + "," + std::to_string(dataBits) + "," +
           ((line.c_cflag & CSTOPB) ? "2" : "1");
}

void PtyPort::open(const std::string& linkPath) {
    close();
    std::array<char, 256> name{};
    if (::openpty(&master_, &slave_, name.data(), nullptr, nullptr) != 0)
        fail("no pseudo-terminal can be opened (openpty)");
    slavePath_ = name.data();
    termios raw{};
    if (::tcgetattr(slave_, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(slave_, TCSANOW, &raw);
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    if (!linkPath.empty()) {
        ::unlink(linkPath.c_str());  // a link left by an earlier run
        if (::symlink(slavePath_.c_str(), linkPath.c_str()) != 0) {
            const int error = errno;
            close();
            errno = error;
            fail("symlink " + linkPath);
        }
        linkPath_ = linkPath;
    }
}

void PtyPort::close() {
    if (!linkPath_.empty()) ::unlink(linkPath_.c_str());
    linkPath_.clear();
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
}

}  // namespace vq72::sim
