// SPDX-License-Identifier: MIT
// Trimming the blanks around a text, as typed texts, settings values and command lines need.
#pragma once

#include <string>

namespace vq72 {

// The text without leading and trailing blanks (0x20 only; tabs and other characters stay).
std::string trimBlanks(const std::string& text);

}  // namespace vq72
