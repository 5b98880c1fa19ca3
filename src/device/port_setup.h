// SPDX-License-Identifier: MIT
// How a port is set up for the device: the line settings and buffer sizes that the window and
// the sender give the serial control before opening it.
#pragma once

namespace vq72::port_setup {

inline constexpr const char* kLineSettings = "9600,N,8,1";
inline constexpr int kNoHandshaking = 0;
inline constexpr int kInputLen = 2500;
inline constexpr int kOutBufferSize = 2500;

}  // namespace vq72::port_setup
