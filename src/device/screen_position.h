// SPDX-License-Identifier: MIT
// The position and colour fields of the OSD text command for the window's option indexes:
// nine positions (rows top, middle, bottom; columns left, centre, right) and two colour schemes.
#pragma once

#include <string>

#include "device/text_align.h"

namespace vq72::osd {

inline constexpr int kPositionCount = 9;
inline constexpr int kColourSchemeCount = 2;

struct ScreenPosition {
    std::string locationCode;  // DLE, row digit, column digit
    TextAlign alignment;       // left, centre or right, by column
};

// The position of option index 0..8 (0 top left, 1 top centre ... 8 bottom right).
ScreenPosition screenPosition(int index);

// The colour field of option index 0 ("White on Black") or 1 ("Black on White"): ACK "7" or "8".
std::string colourCode(int index);

}  // namespace vq72::osd
