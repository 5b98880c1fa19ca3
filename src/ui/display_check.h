// SPDX-License-Identifier: MIT
// Whether a graphical session is reachable, checked before Qt starts (without one a Qt GUI
// aborts with a message of its own).
#pragma once

#include <string>

namespace vq72 {

// Empty when the program can open its window; otherwise the one line to tell the user.
std::string missingDisplayMessage(const std::string& program);

}  // namespace vq72
