// Drives the main window's timers tick by tick instead of by wall-clock time: each step is
// 25 ms; tmr_Delay fires on every step, the 100 ms timers on every 4th. Before each step the
// test's `between` hook lets pending serial events run.
#pragma once

#include <functional>

#include "window/main_window_events.h"
#include "window/main_window_model.h"

namespace vq72::test {

class ManualClock {
public:
    ManualClock(MainWindowModel& window, MainWindowEvents& events) : w_(window), e_(events) {}

    std::function<void()> between;  // runs before every step

    void step() {
        if (between) between();
        ++steps_;
        if (w_.tmr_Delay.enabled()) e_.tmr_Delay_Timer();
        if (steps_ % 4 == 0) {
            if (w_.tmrComInit.enabled()) e_.tmrComInit_Timer();
            if (w_.tmrSplash.enabled()) e_.tmrSplash_Timer();
        }
    }
    void run(int steps) {
        for (int i = 0; i < steps; ++i) step();
    }
    // Steps until `done` holds or `limit` steps have run; returns the steps taken, -1 on timeout.
    int runUntil(const std::function<bool()>& done, int limit) {
        for (int i = 0; i < limit; ++i) {
            if (done()) return i;
            step();
        }
        return done() ? limit : -1;
    }
    long steps() const { return steps_; }

private:
    MainWindowModel& w_;
    MainWindowEvents& e_;
    long steps_ = 0;
};

}  // namespace vq72::test
