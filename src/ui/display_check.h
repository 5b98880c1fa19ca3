// SPDX-License-Identifier: MIT
// Whether a graphical session is reachable, checked before Qt starts (without one, or with an X
// server that does not answer, a Qt GUI aborts with a message of its own).
#pragma once

#include <string>
#include <vector>

namespace vq72 {

// Empty when the program can open its window; otherwise the one line to tell the user.
// `arguments` are the program's, which may hold Qt's own choice of platform or display.
std::string missingDisplayMessage(const std::string& program,
                                  const std::vector<std::string>& arguments);

}  // namespace vq72
