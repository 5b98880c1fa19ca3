// SPDX-License-Identifier: MIT
#include "sim/host_presence.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <system_error>

namespace vq72::sim {

void HostPresence::watch(const std::string& slavePath, int ownFd) {
    stop();
    slavePath_ = slavePath;
    ownFd_ = ownFd;
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ >= 0 && ::inotify_add_watch(fd_, slavePath.c_str(), IN_CLOSE) < 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

void HostPresence::stop() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    closeSeen_ = false;
}

void HostPresence::update() {
    if (fd_ < 0) return;
    alignas(inotify_event) std::array<char, 4096> buffer{};
    while (::read(fd_, buffer.data(), buffer.size()) > 0) {
        closeSeen_ = true;
        lastClose_ = std::chrono::steady_clock::now();
    }
}

bool HostPresence::held() const {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path ownEntry =
        fs::path("/proc") / std::to_string(::getpid()) / "fd" / std::to_string(ownFd_);
    for (const auto& process : fs::directory_iterator("/proc", error)) {
        const std::string pid = process.path().filename();
        if (pid.find_first_not_of("0123456789") != std::string::npos) continue;  // "self" too
        std::error_code unreadable;
        for (const auto& entry : fs::directory_iterator(process.path() / "fd", unreadable)) {
            std::error_code gone;
            if (fs::read_symlink(entry.path(), gone) == slavePath_ && entry.path() != ownEntry) {
                return true;
            }
        }
    }
    return false;
}

bool HostPresence::leftFor(std::chrono::milliseconds quiet) {
    if (!closeSeen_ || std::chrono::steady_clock::now() - lastClose_ < quiet) return false;
    if (!held()) return true;
    // The host has the port open again: no need to look through /proc until it next closes.
    closeSeen_ = false;
    return false;
}

}  // namespace vq72::sim
