// SPDX-License-Identifier: MIT
// The serial control through which vq72-osd-send reaches the ports of a port map: sending and
// the port listing's questions both open their ports through it.
#pragma once

#include <memory>

#include "device/port_map.h"
#include "platform/serial_control.h"

namespace vq72::send {

std::unique_ptr<SerialControl> makePortControl(const PortMap& map);

}  // namespace vq72::send
