// SPDX-License-Identifier: MIT
// What the simulated device says: its reply, the short reply of a faulty unit, its banner, and
// bursts of line noise that can never be taken for a reply.
#pragma once

#include <random>
#include <string>

namespace vq72::sim {

inline constexpr const char* kReply = "VQ7240 CT-OK\r\n";  // 14 bytes
inline constexpr const char* kShortReply = "CT-OK\r\n";    // 7 bytes
inline constexpr const char* kBanner = "(C) Flarn VQ7240\r\nFirmware V2.07\r\n";
inline constexpr std::size_t kFewestNoiseBytes = 20;
inline constexpr std::size_t kMostNoiseBytes = 60;

// 20 to 60 random bytes holding no CR and none of the reply tokens ("(C)", "CT-OK", "BG001M",
// "Time=", "BGERA", "BGERR").
std::string noiseBurst(std::mt19937& random);

// Whether `bytes` hold a CR or a reply token.
bool looksLikeReply(const std::string& bytes);

}  // namespace vq72::sim
