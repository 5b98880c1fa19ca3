// SPDX-License-Identifier: MIT
// The program's own command-line options (--version, --help, --no-splash, --simulate); every other
// argument belongs to the command line that the start-up sequence reads ("SKIPCOM 4").
#pragma once

#include <string>
#include <vector>

namespace vq72 {

struct LaunchOptions {
    bool version = false;
    bool help = false;
    bool splash = true;
    bool simulate = false;
    std::vector<std::string> commandLine;
};

// `arguments` without the program's name.
LaunchOptions parseLaunchOptions(const std::vector<std::string>& arguments);
// The --help text, for a program started as `program`.
std::string launchHelp(const std::string& program);

}  // namespace vq72
