// SPDX-License-Identifier: MIT
#include "lifecycle/settle_timer.h"

namespace vq72 {

void SettleTimer::tmrComInit_Timer() {
    if (transfer_.TextTransferBusy) return;
    if (!SettleArmed) {
        SettleArmed = true;
        return;
    }
    if (SettleTicks < kSettleTicks) {
        ++SettleTicks;
        return;
    }
    SettleTicks = 0;
    flags_.PortReady = true;
    flags_.CmdBusy = false;
    tmrComInit_.setEnabled(false);
}

}  // namespace vq72
