// SPDX-License-Identifier: MIT
// The bytes vq72-osd-send writes for a request, framed exactly as the window's "SAVE" and
// "BLANK" frame them (device/hex_bytes.h gives their form for --dry-run).
#pragma once

#include <string>

#include "cli/send_request.h"

namespace vq72::cli {

// The OSD text command: the text (or 20 blanks) at the request's position, with the colour
// field only when a colour was asked for.
std::string osdCommandFor(const SendRequest& request);

}  // namespace vq72::cli
