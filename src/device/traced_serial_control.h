// SPDX-License-Identifier: MIT
// A serial control that passes every call on to another one and writes a trace line (see
// trace_line.h) for every byte the program writes to the port or reads from it, and for each
// open and close, so that a technician can follow a link of any kind (serial, tcp, rfc2217).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "device/trace_line.h"
#include "platform/forwarding_serial_control.h"

namespace vq72 {

class TracedSerialControl : public ForwardingSerialControl {
public:
    using Sink = std::function<void(const std::string& line)>;  // takes one line, no line end
    using Clock = std::function<TraceTime()>;

    // `inner` outlives this control.
    TracedSerialControl(SerialControl& inner, Sink sink,
                        Clock now = &std::chrono::system_clock::now);
    // This control owns `inner`.
    TracedSerialControl(std::unique_ptr<SerialControl> inner, Sink sink,
                        Clock now = &std::chrono::system_clock::now);

    void setPortOpen(bool open) override;
    std::string input() override;
    void output(const std::string& bytes) override;

private:
    std::unique_ptr<SerialControl> owned_;
    Sink sink_;
    Clock now_;
};

}  // namespace vq72
