// SPDX-License-Identifier: MIT
// The designed layouts measure in twips; the views place their widgets in pixels.
#pragma once

#include <cmath>

namespace vq72 {

inline constexpr int kTwipsPerPixel = 15;

// The nearest whole pixel to a length in twips.
inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

}  // namespace vq72
