// SPDX-License-Identifier: MIT
// Whether the host holds the device's port open. A close of the slave by anyone is seen through
// inotify; whether another descriptor still refers to the slave is then looked up in /proc
// (inotify merges repeated events, so counting opens and closes would drift). The device uses it
// to end a frame that the host left unfinished, and to make noise only for a listening host.
#pragma once

#include <chrono>
#include <string>

namespace vq72::sim {

class HostPresence {
public:
    HostPresence() = default;
    HostPresence(const HostPresence&) = delete;
    HostPresence& operator=(const HostPresence&) = delete;
    ~HostPresence() { stop(); }

    // Starts watching `slavePath`; `ownFd` is the device's own descriptor of it, not the host's.
    void watch(const std::string& slavePath, int ownFd);
    void stop();

    // The descriptor to poll for readability, or -1 when inotify is missing.
    int fd() const { return fd_; }
    // Takes the pending notifications.
    void update();

    // True when some process other than the device has the slave open.
    bool held() const;
    // True when the port was closed at least `quiet` ago and nobody holds it now.
    bool leftFor(std::chrono::milliseconds quiet);

private:
    int fd_ = -1;
    int ownFd_ = -1;
    std::string slavePath_;
    bool closeSeen_ = false;
    std::chrono::steady_clock::time_point lastClose_{};
};

}  // namespace vq72::sim
