// SPDX-License-Identifier: MIT
#include "sim/replies.h"

#include <array>

namespace vq72::sim {

bool looksLikeReply(const std::string& bytes) {
    static constexpr std::array<const char*, 6> kTokens = {"(C)",   "CT-OK", "BG001M",
                                                           "Time=", "BGERA", "BGERR"};
    if (bytes.find('\r') != std::string::npos) return true;
    for (const char* token : kTokens) {
        if (bytes.find(token) != std::string::npos) return true;
    }
    return false;
}

std::string noiseBurst(std::mt19937& random) {
    std::uniform_int_distribution<std::size_t> length(kFewestNoiseBytes, kMostNoiseBytes);
    std::uniform_int_distribution<int> value(0, 255);
    std::string burst;
    do {
        burst.assign(length(random), '\0');
        for (char& c : burst) c = static_cast<char>(value(random));
    } while (looksLikeReply(burst));
    return burst;
}

}  // namespace vq72::sim
