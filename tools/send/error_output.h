// SPDX-License-Identifier: MIT
// How vq72-osd-send says what went wrong: on standard error, every line of the message after
// the program's name, so that each can be told from other programs' words in a script's log.
#pragma once

#include <string>

#include "device/port_map.h"

namespace vq72::send {

void sayError(const std::string& message);

// The port map's entries that were left out, one error line each.
void sayMapProblems(const PortMap& map);

}  // namespace vq72::send
