// SPDX-License-Identifier: MIT
// Bytes as text for people: the sender's --dry-run and the trace of a port's traffic.
#pragma once

#include <string>
#include <string_view>

namespace vq72 {

// "43 54 54 14 ...": each byte as two upper-case hexadecimal digits, separated by blanks.
std::string hexBytes(std::string_view bytes);

}  // namespace vq72
