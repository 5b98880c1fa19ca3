// SPDX-License-Identifier: MIT
// The designed layout of the About window VQ72_OSD_Splash: the window's own look and its
// controls, positions in twips relative to their container, in stacking order from the top down.
#pragma once

#include <vector>

#include "window/control.h"
#include "window/twips.h"

namespace vq72::about {

inline constexpr Colour kBackColour = 0x00FF0000;
inline constexpr int kClientWidthTwips = 7245;
inline constexpr int kClientHeightTwips = 4215;
inline const FontSpec kDefaultFont{"MS Sans Serif", 9.75, true, false};
inline constexpr int kTimer1IntervalMs = 500;

// Frame1's children come first and lie above Frame1; Frame1 and Label1 lie on the window.
const std::vector<ControlSpec>& aboutWindowLayout();

}  // namespace vq72::about
