#include "window/tick_clock.h"

#include <algorithm>

namespace vq72 {

void TickClock::step() {
    ++steps_;
    if (w_.tmr_Delay.enabled()) {
        inDelayTick_ = true;
        e_.tmr_Delay_Timer();
        inDelayTick_ = false;
    }
    if (steps_ % kSlowTimerEvery == 0) {
        if (w_.tmrComInit.enabled()) e_.tmrComInit_Timer();
        if (w_.tmrSplash.enabled()) e_.tmrSplash_Timer();
    }
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
        // The slow timers' next tick, then every 4th after it.
        const long firstSlow = (steps_ / kSlowTimerEvery + 1) * kSlowTimerEvery;
        next = std::min(next, firstSlow + (due.slow - 1) * kSlowTimerEvery);
    }
    return next;
}

}  // namespace vq72
