// SPDX-License-Identifier: MIT
// A serial control that passes every call on to another one: the base of the controls that
// watch some of the calls (the trace of a port's traffic, a benchmark's observer), which
// override only those.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/serial_control.h"

namespace vq72 {

class ForwardingSerialControl : public SerialControl {
public:
    // `inner` outlives this control.
    explicit ForwardingSerialControl(SerialControl& inner) : inner_(inner) {}

    void setCommPort(int port) override { inner_.setCommPort(port); }
    int commPort() const override { return inner_.commPort(); }
    void setSettings(const std::string& settings) override { inner_.setSettings(settings); }
    void setHandshaking(int mode) override { inner_.setHandshaking(mode); }
    void setDTREnable(bool on) override { inner_.setDTREnable(on); }
    bool dtrEnable() const override { return inner_.dtrEnable(); }
    void setRTSEnable(bool on) override { inner_.setRTSEnable(on); }
    bool rtsEnable() const override { return inner_.rtsEnable(); }
    void setInputLen(int bytes) override { inner_.setInputLen(bytes); }
    void setOutBufferSize(int bytes) override { inner_.setOutBufferSize(bytes); }
    void setRThreshold(int bytes) override { inner_.setRThreshold(bytes); }
    void setPortOpen(bool open) override { inner_.setPortOpen(open); }
    bool portOpen() const override { return inner_.portOpen(); }
    int inBufferCount() const override { return inner_.inBufferCount(); }
    std::string input() override { return inner_.input(); }
    void output(const std::string& bytes) override { inner_.output(bytes); }
    int commEvent() const override { return inner_.commEvent(); }
    void setEventHandler(std::function<void()> handler) override {
        inner_.setEventHandler(std::move(handler));
    }
    void purge(PurgeScope scope) override { inner_.purge(scope); }
    bool beginPortScan(const std::vector<int>& ports) override {
        return inner_.beginPortScan(ports);
    }
    std::string devicePath(int port) const override { return inner_.devicePath(port); }

protected:
    SerialControl& inner() const { return inner_; }

private:
    SerialControl& inner_;
};

}  // namespace vq72
