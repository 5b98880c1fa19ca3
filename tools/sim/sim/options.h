// SPDX-License-Identifier: MIT
// How the simulated device behaves: the faults of a real link it can emulate, and where it
// publishes its port and keeps its log. Parsed from the command line of vq72-osd-sim.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace vq72::sim {

struct Options {
    std::string linkPath;  // a symbolic link to the port, kept while the port exists
    std::string logPath;   // frame log file (appended); empty: in memory only
    bool pace = false;     // 9600 baud 8N1 timing both ways
    std::chrono::milliseconds replyDelay{0};
    bool silent = false;      // never answers
    bool ignoreText = false;  // answers "CTS" but never an OSD text command
    bool shortReply = false;
    bool garbage = false;              // random noise between exchanges
    bool banner = false;               // banner before the first reply of the run
    bool logLineSettings = false;      // log "LINE 9600,N,8,1" whenever the host changed them
    std::vector<std::string> notices;  // each sent once, after the next reply, in that order
    int vanishAfter = 0;               // close the port after this many frames; 0: never
    std::optional<std::chrono::milliseconds> returnAfter;  // bring a vanished port back
    unsigned noiseSeed = 0;                                // 0: a random seed
};

struct ParsedOptions {
    Options options;
    std::string error;  // empty when the command line is valid
    bool help = false;
};

// The arguments after the program name.
ParsedOptions parseOptions(const std::vector<std::string>& arguments);

// The usage text, one option a line.
std::string usage();

}  // namespace vq72::sim
