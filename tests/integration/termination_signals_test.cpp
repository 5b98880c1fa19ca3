// The end signals' handler and its socket pair, in this process.
#include "platform/qt/termination_signals.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace vq72 {
namespace {

std::set<int> openDescriptors() {
    std::set<int> fds;
    DIR* folder = ::opendir("/proc/self/fd");
    while (const dirent* entry = ::readdir(folder)) fds.insert(std::atoi(entry->d_name));
    fds.erase(::dirfd(folder));
    ::closedir(folder);
    return fds;
}

// The pair is never inherited by a program the process starts (the PDF viewer) and never blocks
// the handler; a signal that finds it full leaves the interrupted code's errno as it was.
TEST(TerminationSignals, WakeUpPairIsPrivateNonBlockingAndKeepsErrno) {
    const std::set<int> before = openDescriptors();
    const TerminationSignals handler;
    std::vector<int> pair;  // the writing end first: socketpair() takes the lower number for it
    for (const int fd : openDescriptors()) {
        if (before.count(fd) == 0) pair.push_back(fd);
    }
    ASSERT_EQ(pair.size(), 2u);
    for (const int fd : pair) {
        EXPECT_NE(::fcntl(fd, F_GETFD) & FD_CLOEXEC, 0) << fd;
        ASSERT_NE(::fcntl(fd, F_GETFL) & O_NONBLOCK, 0) << fd;
    }
    const std::string block(4096, 's');
    for (const std::size_t size : {block.size(), std::size_t{1}}) {
        while (::send(pair[0], block.data(), size, MSG_DONTWAIT) > 0) {
        }
    }
    errno = EDOM;
    ASSERT_EQ(std::raise(SIGTERM), 0);
    EXPECT_EQ(errno, EDOM);
}

}  // namespace
}  // namespace vq72
