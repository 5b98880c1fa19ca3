// A serial control that passes every call on to the real one and records what the program did
// with it: the commands it wrote and the events it was given.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/serial_control.h"

namespace vq72::test {

class ObservedSerialControl : public SerialControl {
public:
    explicit ObservedSerialControl(SerialControl& real) : real_(real) {}

    std::vector<std::string> written;  // every Output that reached the port, in order
    std::vector<int> events;           // every event code raised, in order
    std::function<void(const std::string&)> onOutput;  // runs after each Output that succeeded

    int eventCount(int code) const {
        return static_cast<int>(std::count(events.begin(), events.end(), code));
    }

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
    void setPortOpen(bool open) override {
        if (!open) dropped_ += static_cast<std::size_t>(real_.inBufferCount());
        real_.setPortOpen(open);
    }
    bool portOpen() const override { return real_.portOpen(); }
    int inBufferCount() const override { return real_.inBufferCount(); }
    std::string input() override {
        std::string bytes = real_.input();
        taken_ += bytes.size();
        return bytes;
    }
    void output(const std::string& bytes) override {
        real_.output(bytes);
        written.push_back(bytes);
        if (onOutput) onOutput(bytes);
    }
    int commEvent() const override { return real_.commEvent(); }
    void setEventHandler(std::function<void()> handler) override {
        real_.setEventHandler([this, handler = std::move(handler)] {
            events.push_back(real_.commEvent());
            if (handler) handler();
        });
    }
    void purge(PurgeScope scope) override {
        dropped_ += static_cast<std::size_t>(real_.inBufferCount());
        real_.purge(scope);
    }
    bool beginPortScan(const std::vector<int>& ports) override {
        return real_.beginPortScan(ports);
    }
    std::string devicePath(int port) const override { return real_.devicePath(port); }

    // Received bytes that reached the program: read, discarded, or waiting now.
    std::size_t arrived() const {
        return taken_ + dropped_ + static_cast<std::size_t>(real_.inBufferCount());
    }

private:
    std::size_t taken_ = 0;
    std::size_t dropped_ = 0;
    SerialControl& real_;
};

}  // namespace vq72::test
