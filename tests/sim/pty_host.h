// The host side of a simulator test: the simulator's port opened raw with plain POSIX calls,
// read in bursts with bounded waits.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace vq72::sim::test {

class PtyHost {
public:
    explicit PtyHost(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY)) {
        termios raw{};
        if (fd_ >= 0 && ::tcgetattr(fd_, &raw) == 0) {
            ::cfmakeraw(&raw);
            ::tcsetattr(fd_, TCSANOW, &raw);
        }
    }
    ~PtyHost() { close(); }
    bool isOpen() const { return fd_ >= 0; }
    void close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    void write(const std::string& bytes) const {
        [[maybe_unused]] const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    }

    // Reads until `done` holds for everything received in this call, or `bound` passes; each
    // read() result is one burst.
    std::vector<std::string> readUntil(const std::function<bool(const std::string&)>& done,
                                       std::chrono::milliseconds bound = std::chrono::seconds(5)) {
        std::vector<std::string> bursts;
        std::string all;
        const auto end = std::chrono::steady_clock::now() + bound;
        while (!done(all) && std::chrono::steady_clock::now() < end) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0) continue;
            char buffer[512];
            const ssize_t got = ::read(fd_, buffer, sizeof buffer);
            if (got <= 0) break;
            bursts.emplace_back(buffer, static_cast<std::size_t>(got));
            all += bursts.back();
        }
        return bursts;
    }
    std::string readUntilContains(const std::string& wanted) {
        std::string all;
        for (const auto& b : readUntil([&](const std::string& s) { return s.find(wanted) != std::string::npos; })) all += b;
        return all;
    }

private:
    int fd_;
};

// Waits, polling, until `condition` holds or `bound` passes; returns whether it held.
inline bool eventually(const std::function<bool()>& condition,
                       std::chrono::milliseconds bound = std::chrono::seconds(5)) {
    const auto end = std::chrono::steady_clock::now() + bound;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        ::usleep(5000);
    }
    return true;
}

}  // namespace vq72::sim::test
