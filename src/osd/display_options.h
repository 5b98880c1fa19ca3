// SPDX-License-Identifier: MIT
// The position and colour options: they prepare LocationCode, TextAlignment and ColorCode for
// the OSD text command, and align Text_input as the text will be placed on the screen.
#pragma once

#include "device/screen_position.h"
#include "window/control.h"
#include "window/window_state.h"

namespace vq72 {

class DisplayOptions {
public:
    static constexpr int kLocationCount = osd::kPositionCount;
    static constexpr int kColourCount = osd::kColourSchemeCount;

    DisplayOptions(Control& Text_input, DisplayChoice& choice)
        : Text_input_(Text_input), choice_(choice) {}

    // The option button of `Index` became selected (by the operator or by code). Choosing the
    // index acted upon last changes nothing; both remembered indexes start at 0.
    void opt_location_Click(int Index);
    void opt_BK_WT_Click(int Index);

private:
    Control& Text_input_;
    DisplayChoice& choice_;
    int LastLocationIndex = 0;
    int LastColorIndex = 0;
};

}  // namespace vq72
