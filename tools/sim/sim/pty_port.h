// SPDX-License-Identifier: MIT
// The device's end of a pseudo-terminal in raw mode. The device also keeps the slave open, so
// the host may close and reopen the slave at will without the master seeing a hang-up.
// Optionally publishes the slave as a symbolic link, removed again when the port closes.
#pragma once

#include <string>

namespace vq72::sim {

class PtyPort {
public:
    PtyPort() = default;
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;
    ~PtyPort() { close(); }

    // Opens a new pseudo-terminal; throws std::system_error when that fails.
    void open(const std::string& linkPath);
    // Closes both ends and removes the link; the host's open slave sees a hang-up.
    void close();

    bool isOpen() const { return master_ >= 0; }
    int master() const { return master_; }
    int slave() const { return slave_; }  // the device's own descriptor of the slave
    const std::string& slavePath() const { return slavePath_; }
    // The line settings the host gave the port, "9600,N,8,1"; empty when they cannot be read.
    std::string lineSettings() const;

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
    std::string linkPath_;
};

}  // namespace vq72::sim
