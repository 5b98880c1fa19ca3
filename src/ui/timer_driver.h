// SPDX-License-Identifier: MIT
// Runs the main window's timers (window/tick_clock.h) against the wall clock without waking
// every 25 ms: one single-shot timer wakes the program when the next tick that can change
// anything falls due. Whatever wakes the program first (that timer, a serial event, a key, a
// click, a menu) has the ticks that are due by then run first, in order, each with the effect it
// would have had on time; before the event loop sleeps again, the timer is set from what the
// handlers changed.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "window/main_window_events.h"
#include "window/main_window_model.h"
#include "window/tick_clock.h"

namespace vq72 {

class TimerDriver : public QObject {
    Q_OBJECT
public:
    // `nowMs`: milliseconds on a monotonic clock (tests pass their own).
    using Clock = std::function<qint64()>;

    TimerDriver(MainWindowModel& model, MainWindowEvents& events, QObject* parent = nullptr);
    TimerDriver(MainWindowModel& model, MainWindowEvents& events, Clock nowMs,
                QObject* parent = nullptr);
    ~TimerDriver() override;

    // Runs the ticks due by now and sets the wake-up timer for the next one that may act.
    void catchUp();
    const TickClock& clock() const { return clock_; }
    // Times the wake-up timer woke the program.
    long timerWakeUps() const { return timerWakeUps_; }
    // The wait the wake-up timer was last set to, in ms; -1 while nothing is due.
    int wakeUpIntervalMs() const { return wake_.isActive() ? wake_.interval() : -1; }

    // A program that falls behind by more than this (a suspended laptop) drops the rest, as a
    // periodic timer would, instead of running a burst of polls.
    static constexpr long kMostLateTicks = 40;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void arm();
    long dueTick();

    TickClock clock_;
    Clock nowMs_;
    QTimer wake_;
    long droppedTicks_ = 0;
    long armedFor_ = -1;
    long timerWakeUps_ = 0;
};

}  // namespace vq72
