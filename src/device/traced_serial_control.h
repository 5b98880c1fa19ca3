// SPDX-License-Identifier: MIT
// A serial control that passes every call on to another one and writes a trace line (see
// trace_line.h) for every byte the program writes to the port or reads from it, and for each
// open and close, so that a technician can follow a link of any kind (serial, tcp, rfc2217).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "device/trace_line.h"
#include "platform/serial_control.h"

namespace vq72 {

class TracedSerialControl : public SerialControl {
public:
    using Sink = std::function<void(const std::string& line)>;  // takes one line, no line end
    using Clock = std::function<TraceTime()>;

    // `inner` outlives this control.
    TracedSerialControl(SerialControl& inner, Sink sink,
                        Clock now = &std::chrono::system_clock::now);
    // This control owns `inner`.
    TracedSerialControl(std::unique_ptr<SerialControl> inner, Sink sink,
                        Clock now = &std::chrono::system_clock::now);

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
    void setPortOpen(bool open) override;
    bool portOpen() const override { return inner_.portOpen(); }
    int inBufferCount() const override { return inner_.inBufferCount(); }
    std::string input() override;
    void output(const std::string& bytes) override;
    int commEvent() const override { return inner_.commEvent(); }
    void setEventHandler(std::function<void()> handler) override {
        inner_.setEventHandler(std::move(handler));
    }
    void purge(PurgeScope scope) override { inner_.purge(scope); }
    bool beginPortScan(const std::vector<int>& ports) override {
        return inner_.beginPortScan(ports);
    }
    std::string devicePath(int port) const override { return inner_.devicePath(port); }

private:
    std::unique_ptr<SerialControl> owned_;
    SerialControl& inner_;
    Sink sink_;
    Clock now_;
};

}  // namespace vq72
