// SPDX-License-Identifier: MIT
#include "osd/display_options.h"

#include "device/screen_position.h"

namespace vq72 {

void DisplayOptions::opt_location_Click(int Index) {
    if (Index == LastLocationIndex || Index < 0 || Index >= kLocationCount) return;
    LastLocationIndex = Index;
    const osd::ScreenPosition position = osd::screenPosition(Index);
    choice_.TextAlignment = static_cast<int>(position.alignment);
    choice_.LocationCode = position.locationCode;
    Text_input_.setAlignment(position.alignment);
}

void DisplayOptions::opt_BK_WT_Click(int Index) {
    if (Index == LastColorIndex || Index < 0 || Index >= kColourCount) return;
    LastColorIndex = Index;
    choice_.ColorCode = osd::colourCode(Index);
}

}  // namespace vq72
