// SPDX-License-Identifier: MIT
#include "lifecycle/command_line.h"

#include <algorithm>
#include <cctype>

#include "device/blank_trim.h"

namespace vq72 {

int parseSkipCom(const std::string& commandLine) {
    std::string upper = commandLine;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    upper = trimBlanks(upper);
    static const std::string kOption = "SKIPCOM";
    const auto at = upper.find(kOption);
    if (at == std::string::npos) return kNoSkippedPort;
    const std::string rest = trimBlanks(upper.substr(at + kOption.size()));
    if (rest.empty()) return kNoSkippedPort;
    const char first = rest.front();
    return (first >= '0' && first <= '9') ? first - '0' : 0;
}

}  // namespace vq72
