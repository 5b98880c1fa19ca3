// SPDX-License-Identifier: MIT
// The port settle timer tmrComInit: about two seconds after a successful opening it declares
// the port ready. Ticks that fall into a text transfer do not count.
#pragma once

#include <algorithm>

#include "window/main_window_events.h"
#include "window/timer.h"
#include "window/window_state.h"

namespace vq72 {

class SettleTimer {
public:
    static constexpr int kSettleTicks = 20;

    SettleTimer(Timer& tmrComInit, WindowState& state)
        : tmrComInit_(tmrComInit), transfer_(state), flags_(state) {}

    void tmrComInit_Timer();
    // Timer ticks until the port is declared ready: one to arm, the count, then the last one.
    // A port already ready and not busy (a poll's re-open) has nothing to wait for.
    long ticksUntilDue() const {
        if (flags_.PortReady && !flags_.CmdBusy) return DueTicks::kNever;
        return (SettleArmed ? 0 : 1) + kSettleTicks - std::min(SettleTicks, kSettleTicks) + 1;
    }

    bool SettleArmed = false;
    int SettleTicks = 0;

private:
    Timer& tmrComInit_;
    const TransferFlags& transfer_;
    LinkFlags& flags_;
};

}  // namespace vq72
