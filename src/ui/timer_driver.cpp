// SPDX-License-Identifier: MIT
#include "ui/timer_driver.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <memory>

namespace vq72 {
namespace {

TimerDriver::Clock monotonicClock() {
    auto since = std::make_shared<QElapsedTimer>();
    since->start();
    return [since] { return since->elapsed(); };
}

}  // namespace

TimerDriver::TimerDriver(MainWindowModel& model, MainWindowEvents& events, QObject* parent)
    : TimerDriver(model, events, monotonicClock(), parent) {}

TimerDriver::TimerDriver(MainWindowModel& model, MainWindowEvents& events, Clock nowMs,
                         QObject* parent)
    : QObject(parent), clock_(model, events), nowMs_(std::move(nowMs)) {
    wake_.setSingleShot(true);
    // The ticks count protocol time in 25 ms steps: keep the wake-up as exact as Qt can.
    wake_.setTimerType(Qt::PreciseTimer);
    connect(&wake_, &QTimer::timeout, this, [this] {
        ++timerWakeUps_;
        catchUp();
    });
    QCoreApplication::instance()->installEventFilter(this);
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TimerDriver::arm);
    arm();
}

TimerDriver::~TimerDriver() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void TimerDriver::catchUp() {
    clock_.runTo(dueTick());
    arm();
}

bool TimerDriver::eventFilter(QObject* /*watched*/, QEvent* /*event*/) {
    clock_.runTo(dueTick());
    return false;
}

// The number of the last tick whose time has come. The ticks up to the one the wake-up was set
// for were skipped by plan; a wake-up later than that by more than kMostLateTicks drops the rest.
long TimerDriver::dueTick() {
    const long due = static_cast<long>(nowMs_() / TickClock::kTickMs) - droppedTicks_;
    const long late = due - std::max(clock_.steps(), armedFor_) - kMostLateTicks;
    if (late > 0) droppedTicks_ += late;
    return due - std::max(0L, late);
}

void TimerDriver::arm() {
    const long next = clock_.nextDueTick();
    if (next >= DueTicks::kNever) {
        wake_.stop();
        armedFor_ = -1;
        return;
    }
    if (next == armedFor_ && wake_.isActive()) return;
    armedFor_ = next;
    const qint64 at = (next + droppedTicks_) * TickClock::kTickMs;
    wake_.start(static_cast<int>(std::max<qint64>(0, at - nowMs_())));
}

}  // namespace vq72
