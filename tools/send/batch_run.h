// SPDX-License-Identifier: MIT
// vq72-osd-send --batch: reads the batch file, checks every line, and only when all are good
// sends to each device in turn, printing a line per device and a summary.
#pragma once

#include "cli/send_request.h"
#include "device/port_map.h"

namespace vq72::send {

// `map` is the run's port map, for lines that give a port number. Returns the exit status.
int runBatch(const cli::SendRequest& request, const PortMap& map);

}  // namespace vq72::send
