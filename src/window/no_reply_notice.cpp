// SPDX-License-Identifier: MIT
#include "window/no_reply_notice.h"

namespace vq72 {

void NoReplyNotice::show(Control& status) {
    if (!shown()) colourBefore_ = status.backColour();
    ticksLeft_ = kShownTicks;
    status.setBackColour(kMagenta);
    status.setText(kText);
}

void NoReplyNotice::tick(Control& status) {
    if (shown() && --ticksLeft_ == 0) status.setBackColour(colourBefore_);
}

void NoReplyNotice::end(Control& status) {
    if (!shown()) return;
    ticksLeft_ = 0;
    status.setBackColour(colourBefore_);
}

}  // namespace vq72
