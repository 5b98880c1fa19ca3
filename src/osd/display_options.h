// The position and colour options: they prepare LocationCode, TextAlignment and ColorCode for
// the OSD text command, and align Text_input as the text will be placed on the screen.
#pragma once

#include "device/screen_position.h"
#include "window/main_window_model.h"

namespace vq72 {

class DisplayOptions {
public:
    static constexpr int kLocationCount = osd::kPositionCount;
    static constexpr int kColourCount = osd::kColourSchemeCount;

    explicit DisplayOptions(MainWindowModel& window) : w_(window) {}

    // The option button of `Index` became selected (by the operator or by code). Choosing the
    // index acted upon last changes nothing; both remembered indexes start at 0.
    void opt_location_Click(int Index);
    void opt_BK_WT_Click(int Index);

private:
    MainWindowModel& w_;
    int LastLocationIndex = 0;
    int LastColorIndex = 0;
};

}  // namespace vq72
