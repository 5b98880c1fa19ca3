// The port settle timer tmrComInit: about two seconds after a successful opening it declares
// the port ready. Ticks that fall into a text transfer do not count.
#pragma once

#include "window/timer.h"
#include "window/window_state.h"

namespace vq72 {

class SettleTimer {
public:
    static constexpr int kSettleTicks = 20;

    SettleTimer(Timer& tmrComInit, const TransferFlags& transfer, LinkFlags& flags)
        : tmrComInit_(tmrComInit), transfer_(transfer), flags_(flags) {}

    void tmrComInit_Timer();

    bool SettleArmed = false;
    int SettleTicks = 0;

private:
    Timer& tmrComInit_;
    const TransferFlags& transfer_;
    LinkFlags& flags_;
};

}  // namespace vq72
