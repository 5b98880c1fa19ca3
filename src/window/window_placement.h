// SPDX-License-Identifier: MIT
// Where a second window goes beside the main window on the screen, given the main window's frame,
// the second window's frame size and the screen's available area (all in pixels, frames included).
#pragma once

#include "window/control.h"

namespace vq72 {

inline constexpr int kWindowGap = 16;  // pixels between the two windows

// The top left corner of the second window: right of the main window, else below it, else left
// of it (each a gap away, tops or left edges aligned, shifted along the main window's edge to stay
// in the area), the first of these that lies wholly in the area. When none does, the corner of
// the area farthest from the main window's centre (ties go right): both stay on the screen,
// overlapping little.
Rect placeBeside(const Rect& main, int width, int height, const Rect& area);

// Where the main window goes so that a second window `otherWidth` wide fits right of it: the pair
// centred across the area, the main window centred down it. When the pair is wider than the
// area, the main window alone is centred.
Rect placeMainOfPair(int width, int height, int otherWidth, const Rect& area);

}  // namespace vq72
