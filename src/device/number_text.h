// SPDX-License-Identifier: MIT
// Numbers written as text the way settings and menu tags hold them: " 3" (a blank in the sign
// position), "3", "3.0". Conversions round half to even and keep to the 16-bit range.
#pragma once

#include <optional>
#include <string>

namespace vq72 {

// The value of `text` when it is a decimal number, blanks around it allowed; nullopt otherwise.
std::optional<double> numericValue(const std::string& text);

// `text` as a 16-bit integer, rounded half to even. Throws Failure(failure_number::kTypeMismatch)
// when it is not a number and Failure(failure_number::kOverflow) when it lies outside
// -32768..32767.
int toInteger16(const std::string& text);

// A whole number with a blank in place of the plus sign: 3 gives " 3", -3 gives "-3".
std::string blankPrefixed(int value);

}  // namespace vq72
