// SPDX-License-Identifier: MIT
// "No Reply" on the status line: shown on magenta for kShownTicks, during which a poll's answer
// does not replace it (a new text does, and any fault); then the line takes back the colour it
// had before.
#pragma once

#include "window/control.h"

namespace vq72 {

class NoReplyNotice {
public:
    static constexpr const char* kText = "No Reply";
    static constexpr int kShownTicks = 120;  // 3 s

    void show(Control& status);
    // One tick passes; at the end of the notice the colour comes back.
    void tick(Control& status);
    // A new text ends the notice now.
    void end(Control& status);

    bool shown() const { return ticksLeft_ > 0; }
    long ticksUntilEnd() const { return ticksLeft_; }

private:
    int ticksLeft_ = 0;
    Colour colourBefore_ = kSystemWindowColour;
};

}  // namespace vq72
