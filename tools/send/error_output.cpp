// SPDX-License-Identifier: MIT
#include "error_output.h"

#include <iostream>
#include <sstream>

namespace vq72::send {

void sayError(const std::string& message) {
    std::istringstream lines(message);
    for (std::string line; std::getline(lines, line);)
        std::cerr << "vq72-osd-send: " << line << '\n';
    std::cerr << std::flush;
}

}  // namespace vq72::send
