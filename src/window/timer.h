// SPDX-License-Identifier: MIT
// A window timer as data: its interval and whether it runs. A timer driver (QTimer in the
// program, a manual clock in tests) watches it and delivers ticks to the timer's handler.
#pragma once

#include <functional>
#include <string>

namespace vq72 {

class Timer {
public:
    using Observer = std::function<void(const Timer&)>;

    Timer(std::string name, int intervalMs, bool enabled)
        : name_(std::move(name)), intervalMs_(intervalMs), enabled_(enabled) {}

    const std::string& name() const { return name_; }
    int intervalMs() const { return intervalMs_; }
    bool enabled() const { return enabled_; }
    // Enabling a running timer leaves its phase alone.
    void setEnabled(bool enabled) {
        if (enabled_ == enabled) return;
        enabled_ = enabled;
        if (observer_) observer_(*this);
    }
    void setObserver(Observer observer) { observer_ = std::move(observer); }

private:
    std::string name_;
    int intervalMs_;
    bool enabled_;
    Observer observer_;
};

}  // namespace vq72
