// SPDX-License-Identifier: MIT
// A serial control that passes every call on to the real one and tells the benchmark of each
// command the program wrote.
#pragma once

#include <functional>
#include <string>

#include "platform/forwarding_serial_control.h"

namespace vq72::bench {

class ObservedSerialControl : public ForwardingSerialControl {
public:
    explicit ObservedSerialControl(SerialControl& real) : ForwardingSerialControl(real) {}

    std::function<void(const std::string&)> onOutput;  // runs after each Output that succeeded

    void output(const std::string& bytes) override {
        inner().output(bytes);
        if (onOutput) onOutput(bytes);
    }
};

}  // namespace vq72::bench
