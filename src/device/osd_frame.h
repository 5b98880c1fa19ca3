// SPDX-License-Identifier: MIT
// The OSD text command as bytes: the operator's text placed in its 20-character field,
// joined with the position, the two fixed attributes, the optional colour and the line end.
#pragma once

#include <cstddef>
#include <string>

#include "device/text_align.h"

namespace vq72::osd {

// Control characters of the command, by their ASCII names.
inline constexpr char kACK = 0x06;
inline constexpr char kDLE = 0x10;
inline constexpr char kDC3 = 0x13;
inline constexpr char kDC4 = 0x14;
inline constexpr char kCR = 0x0D;
inline constexpr char kLF = 0x0A;

inline constexpr std::size_t kTextFieldWidth = 20;
inline constexpr char kCommandWord[] = "CTT";
// The highest byte the device accepts in its text field.
inline constexpr char kHighestTextByte = 'z';

// The 20-character text field: the text without its outer blanks and without any byte outside
// 0x20..0x7A, placed by `alignment` and padded with blanks. Always exactly 20 bytes.
std::string osdTextField(const std::string& text, TextAlign alignment);

// The whole command: "CTT", DC4, the text field, `locationCode` (DLE row column), ACK "3",
// ACK "4", `colorCode` (empty or ACK "7"/"8"), DC3, CR, LF; 34 bytes, or 36 with a colour.
std::string osdTextCommand(const std::string& text, const std::string& locationCode,
                           const std::string& colorCode, TextAlign alignment);

}  // namespace vq72::osd
