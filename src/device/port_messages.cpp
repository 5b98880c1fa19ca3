// SPDX-License-Identifier: MIT
#include "device/port_messages.h"

namespace vq72 {

std::string invalidPortMessage(int port) {
    return "Invalid Port Number - Com-" + std::to_string(port) +
           " can't be used as a device interface.";
}

std::string portInUseMessage(int port) {
    return "Port in use by another process - Com-" + std::to_string(port) + " is not available.";
}

}  // namespace vq72
