// Whether the host has the device's port open, seen through inotify on the slave device: each
// open and close of the slave by another process is counted. The device uses it to end a frame
// that the host left unfinished when it closed the port.
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

    // Starts counting opens and closes of `slavePath`; returns false when inotify is missing.
    bool watch(const std::string& slavePath);
    void stop();

    // The descriptor to poll for readability, or -1.
    int fd() const { return fd_; }
    // Takes the pending notifications.
    void update();

    // True when the host has closed the port and not reopened it for at least `quiet`.
    bool goneFor(std::chrono::milliseconds quiet) const;

private:
    int fd_ = -1;
    int opens_ = 0;
    bool everOpened_ = false;
    std::chrono::steady_clock::time_point lastClose_{};
};

}  // namespace vq72::sim
