// SPDX-License-Identifier: MIT
#include "window/tick_clock.h"

#include <algorithm>

namespace vq72 {

void TickClock::step() {
    ++steps_;
    if (runsOn(w_.tmr_Delay, steps_)) {
        inDelayTick_ = true;
        e_.tmr_Delay_Timer();
        inDelayTick_ = false;
    }
    if (runsOn(w_.tmrComInit, steps_)) e_.tmrComInit_Timer();
    if (runsOn(w_.tmrSplash, steps_)) e_.tmrSplash_Timer();
}

void TickClock::runTo(long tick) {
    if (inDelayTick_) return;
    while (steps_ < tick) step();
}

long TickClock::nextDueTick() const {
    const DueTicks due = e_.ticksUntilDue();
    long next = DueTicks::kNever;
    if (due.delay < DueTicks::kNever) next = steps_ + due.delay;
    if (due.slow < DueTicks::kNever) {
        // The slow timers' next tick, then one every interval after it.
        const long every = ticksPer(w_.tmrComInit);
        const long firstSlow = (steps_ / every + 1) * every;
        next = std::min(next, firstSlow + (due.slow - 1) * every);
    }
    return next;
}

}  // namespace vq72
