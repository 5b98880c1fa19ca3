// SPDX-License-Identifier: MIT
// The simulated VQ7240 on a pseudo-terminal, running on a thread of its own so that a program
// (vq72-osd-sim, the tests) can host it without blocking. It checks every frame the host sends,
// keeps the screen, answers "CTS" and every valid OSD command, and emulates the faults chosen in
// its options. Every public call is safe from any thread.
#pragma once

#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "sim/frame_log.h"
#include "sim/options.h"
#include "sim/screen.h"

namespace vq72::sim {

class SimulatedDevice {
public:
    // Throws std::runtime_error when the log file cannot be opened.
    explicit SimulatedDevice(Options options);
    SimulatedDevice(const SimulatedDevice&) = delete;
    SimulatedDevice& operator=(const SimulatedDevice&) = delete;
    ~SimulatedDevice();

    // Opens the port (throws std::system_error when no pseudo-terminal can be had) and starts
    // the device's thread.
    void start();
    // Ends a frame in progress as bad, closes the port, removes the link and joins the thread.
    void stop();

    // The slave device the host opens; empty while the port has vanished.
    std::string portPath() const;
    Screen screen() const;
    // Grows by one whenever the screen or the port path changes.
    unsigned long changes() const { return changes_.load(); }
    // How often the port has vanished (the vanishing fault), whether or not it came back since.
    unsigned long vanishes() const { return vanishes_.load(); }
    // The frame log lines so far (since the last takeLog()).
    std::vector<std::string> log() const { return log_.lines(); }
    // The frame log lines so far, forgotten here afterwards: a long run stays small.
    std::vector<std::string> takeLog() { return log_.takeLines(); }
    // Sends bytes to the host as they stand, outside any exchange.
    void transmit(const std::string& bytes);
    // Changes the faults while the device runs: pacing, reply delay, silence, short replies,
    // garbage, banner and vanishing (counted from now) are replaced, notices are added to those
    // still to come; the link and log paths stay. Takes effect before the next byte is handled.
    void setFaults(Options options);

    // Answers queued and not yet wholly sent (replies, the banner, transmit() requests). An
    // answer is counted before its frame shows in the log, so a host can wait until everything
    // its commands called for is on the line.
    int pendingAnswers() const { return pendingAnswers_.load(); }
    // Bytes on the line that no reader of the port has taken yet; 0 while the port is gone.
    int unreadByHost() const;
    // Bytes the device has put on the line since it started.
    unsigned long sentBytes() const { return sentBytes_.load(); }

private:
    class Engine;

    Options options_;
    FrameLog log_;
    mutable std::mutex mutex_;
    std::string portPath_;
    Screen screen_;
    std::vector<std::string> toTransmit_;
    std::optional<Options> newFaults_;
    std::atomic<unsigned long> changes_{0};
    std::atomic<unsigned long> vanishes_{0};
    std::atomic<unsigned long> sentBytes_{0};
    std::atomic<int> pendingAnswers_{0};
    int slaveFd_ = -1;  // the device's own descriptor of the slave, under mutex_
    std::atomic<bool> stopping_{false};
    std::atomic<bool> faultsChanged_{false};
    int wake_[2] = {-1, -1};  // a byte written to wake_[1] wakes the device's thread
    std::thread thread_;

    friend class Engine;
};

}  // namespace vq72::sim
