// SPDX-License-Identifier: MIT
// How vq72-osd-send says what went wrong: on standard error, every line of the message after
// the program's name, so that each can be told from other programs' words in a script's log.
#pragma once

#include <string>

namespace vq72::send {

void sayError(const std::string& message);

}  // namespace vq72::send
