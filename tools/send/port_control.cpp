// SPDX-License-Identifier: MIT
#include "port_control.h"

#include "platform/qt/qt_serial_control.h"

namespace vq72::send {

std::unique_ptr<SerialControl> makePortControl(const PortMap& map) {
    return std::make_unique<QtSerialControl>(map);
}

}  // namespace vq72::send
