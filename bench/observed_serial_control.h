// SPDX-License-Identifier: MIT
// A serial control that passes every call on to the real one and tells the benchmark of each
// command the program wrote.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/serial_control.h"

namespace vq72::bench {

class ObservedSerialControl : public SerialControl {
public:
    explicit ObservedSerialControl(SerialControl& real) : real_(real) {}

    std::function<void(const std::string&)> onOutput;  // runs after each Output that succeeded

    void setCommPort(int port) override { real_.setCommPort(port); }
    int commPort() const override { return real_.commPort(); }
    void setSettings(const std::string& settings) override { real_.setSettings(settings); }
    void setHandshaking(int mode) override { real_.setHandshaking(mode); }
    void setDTREnable(bool on) override { real_.setDTREnable(on); }
    bool dtrEnable() const override { return real_.dtrEnable(); }
    void setRTSEnable(bool on) override { real_.setRTSEnable(on); }
    bool rtsEnable() const override { return real_.rtsEnable(); }
    void setInputLen(int bytes) override { real_.setInputLen(bytes); }
    void setOutBufferSize(int bytes) override { real_.setOutBufferSize(bytes); }
    void setRThreshold(int bytes) override { real_.setRThreshold(bytes); }
    void setPortOpen(bool open) override { real_.setPortOpen(open); }
    bool portOpen() const override { return real_.portOpen(); }
    int inBufferCount() const override { return real_.inBufferCount(); }
    std::string input() override { return real_.input(); }
    void output(const std::string& bytes) override {
        real_.output(bytes);
        if (onOutput) onOutput(bytes);
    }
    int commEvent() const override { return real_.commEvent(); }
    void setEventHandler(std::function<void()> handler) override {
        real_.setEventHandler(std::move(handler));
    }
    void purge(PurgeScope scope) override { real_.purge(scope); }
    bool beginPortScan(const std::vector<int>& ports) override {
        return real_.beginPortScan(ports);
    }
    std::string devicePath(int port) const override { return real_.devicePath(port); }

private:
    SerialControl& real_;
};

}  // namespace vq72::bench
