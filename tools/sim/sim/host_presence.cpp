#include "sim/host_presence.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <array>

namespace vq72::sim {

bool HostPresence::watch(const std::string& slavePath) {
    stop();
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) return false;
    if (::inotify_add_watch(fd_, slavePath.c_str(), IN_OPEN | IN_CLOSE) < 0) {
        stop();
        return false;
    }
    return true;
}

void HostPresence::stop() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    opens_ = 0;
    everOpened_ = false;
}

void HostPresence::update() {
    if (fd_ < 0) return;
    alignas(inotify_event) std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t got = ::read(fd_, buffer.data(), buffer.size());
        if (got <= 0) return;
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
            if (event->mask & IN_OPEN) {
                ++opens_;
                everOpened_ = true;
            }
            if ((event->mask & IN_CLOSE) && opens_ > 0) {
                --opens_;
                lastClose_ = std::chrono::steady_clock::now();
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

bool HostPresence::goneFor(std::chrono::milliseconds quiet) const {
    return everOpened_ && opens_ == 0 && std::chrono::steady_clock::now() - lastClose_ >= quiet;
}

}  // namespace vq72::sim
