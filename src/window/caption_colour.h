// SPDX-License-Identifier: MIT
// The text colour that keeps a caption readable on a fixed back colour, whatever the desktop's
// theme (and the other way round): black, as the designed platform draws control text, unless the
// back colour is so dark that white reads better. Contrast is the relative-luminance ratio of WCAG
// 2 (1 to 21).
#pragma once

#include <optional>

#include "window/control.h"

namespace vq72 {

inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kWhite = 0x00FFFFFF;
// The least contrast at which a caption counts as readable.
inline constexpr double kReadableContrast = 4.5;

// From 1 (the same luminance) to 21 (black and white).
double contrastRatio(Colour first, Colour second);

// Black or white on `back`; none on the system colour, whose text is the theme's.
std::optional<Colour> captionColourOn(Colour back);

// The back colour under a fixed text colour `fore` that the theme's `themeBack` would hide:
// black or white; none when it reads on the theme's.
std::optional<Colour> backColourUnder(Colour fore, Colour themeBack);

}  // namespace vq72
