// SPDX-License-Identifier: MIT
// Reads the "SKIPCOM" option: the port that the port scan never probes.
#pragma once

#include <string>

namespace vq72 {

inline constexpr int kNoSkippedPort = -1;

// -1 when the command line names no port after "SKIPCOM" (case does not matter); otherwise
// the value of the first character after it: its digit, or 0 for any other character.
int parseSkipCom(const std::string& commandLine);

}  // namespace vq72
