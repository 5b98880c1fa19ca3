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

}  // namespace

void PtyPort::open(const std::string& linkPath) {
    close();
    std::array<char, 256> name{};
    if (::openpty(&master_, &slave_, name.data(), nullptr, nullptr) != 0) fail("openpty");
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
