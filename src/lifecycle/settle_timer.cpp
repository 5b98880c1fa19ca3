#include "lifecycle/settle_timer.h"

namespace vq72 {

void SettleTimer::tmrComInit_Timer() {
    if (w_.state.TextTransferBusy) return;
    if (!SettleArmed) {
        SettleArmed = true;
        return;
    }
    if (SettleTicks < kSettleTicks) {
        ++SettleTicks;
        return;
    }
    SettleTicks = 0;
    w_.state.PortReady = true;
    w_.state.CmdBusy = false;
    w_.tmrComInit.setEnabled(false);
}

}  // namespace vq72
