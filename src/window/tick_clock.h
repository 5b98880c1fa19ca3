// SPDX-License-Identifier: MIT
// The main window's timers as one count of 25 ms ticks: each timer runs on every tick that its
// interval is a multiple of (tmr_Delay on every one, the 100 ms timers tmrComInit and tmrSplash on
// every 4th), only while enabled. The timer
// driver runs it against the wall clock and the tests tick by tick; both see the same ticks.
// It also says which tick is the next that can change anything, so that a driver may sleep
// until then and run the ticks in between late: they only count.
#pragma once

#include "window/main_window_events.h"
#include "window/main_window_model.h"

namespace vq72 {

class TickClock {
public:
    static constexpr int kTickMs = 25;

    TickClock(MainWindowModel& window, MainWindowEvents& events) : w_(window), e_(events) {}

    // Runs the next tick.
    void step();
    // Runs the ticks up to and including tick number `tick`. Not from within tmr_Delay's own
    // handler (the port scan lets events run): those ticks wait for the handler to end, as a
    // timer is not run again while its handler runs. The 100 ms timers' handlers may (the
    // splash is a modal window).
    void runTo(long tick);
    // Ticks run so far.
    long steps() const { return steps_; }
    // The number of the next tick that may change anything; DueTicks::kNever when none will.
    long nextDueTick() const;

private:
    // Whether `timer` runs on tick `tick`.
    static bool runsOn(const Timer& timer, long tick) {
        return timer.enabled() && tick % ticksPer(timer) == 0;
    }
    static long ticksPer(const Timer& timer) { return timer.intervalMs() / kTickMs; }

    MainWindowModel& w_;
    MainWindowEvents& e_;
    long steps_ = 0;
    bool inDelayTick_ = false;
};

}  // namespace vq72
