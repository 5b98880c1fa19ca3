// SPDX-License-Identifier: MIT
// Drives the main window's timers tick by tick instead of by wall-clock time, through the same
// tick clock as the program's timer driver. Before each tick the test's `between` hook lets
// pending serial events run.
#pragma once

#include <functional>

#include "window/tick_clock.h"

namespace vq72::test {

class ManualClock {
public:
    ManualClock(MainWindowModel& window, MainWindowEvents& events) : ticks_(window, events) {}

    std::function<void()> between;  // runs before every step

    void step() {
        if (between) between();
        ticks_.step();
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
    long steps() const { return ticks_.steps(); }
    TickClock& ticks() { return ticks_; }

private:
    TickClock ticks_;
};

}  // namespace vq72::test
