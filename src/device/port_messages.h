// SPDX-License-Identifier: MIT
// The program's own words for a selected port that cannot be opened: no usable device behind
// the number (8002), or the port held by another process (8005).
#pragma once

#include <string>

namespace vq72 {

// What to do about a port that we may not open (Linux: the serial devices belong to "dialout").
inline constexpr const char* kDialoutHint =
    "add your user to the dialout group: sudo usermod -aG dialout $USER, then log in again";

std::string invalidPortMessage(int port);
std::string portInUseMessage(int port);

}  // namespace vq72
