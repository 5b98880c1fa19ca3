// SPDX-License-Identifier: MIT
#include "port_control.h"

#include <iostream>

#include "device/traced_serial_control.h"
#include "platform/qt/qt_serial_control.h"

namespace vq72::send {

std::unique_ptr<SerialControl> makePortControl(const PortMap& map, bool trace) {
    auto control = std::make_unique<QtSerialControl>(map);
    if (!trace) return control;
    return std::make_unique<TracedSerialControl>(
        std::move(control), [](const std::string& line) { std::cerr << line << std::endl; });
}

}  // namespace vq72::send
