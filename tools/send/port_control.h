// SPDX-License-Identifier: MIT
// The serial control through which vq72-osd-send reaches the ports of a port map: sending and
// the port listing's questions both open their ports through it. With --trace, every byte
// written and read goes to standard error as well, a line per transfer.
#pragma once

#include <memory>

#include "device/port_map.h"
#include "platform/serial_control.h"

namespace vq72::send {

std::unique_ptr<SerialControl> makePortControl(const PortMap& map, bool trace);

}  // namespace vq72::send
