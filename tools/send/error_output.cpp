// SPDX-License-Identifier: MIT
#include "error_output.h"

#include <iostream>
#include <sstream>

#include "cli/terminal_text.h"

namespace vq72::send {

void sayError(const std::string& message) {
    std::istringstream lines(message);
    for (std::string line; std::getline(lines, line);)
        std::cerr << "vq72-osd-send: " << line << '\n';
    std::cerr << std::flush;
}

void sayMapProblems(const PortMap& map) {
    for (const std::string& problem : map.problems()) sayError(cli::printable(problem));
}

}  // namespace vq72::send
