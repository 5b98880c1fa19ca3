#include "ui/timer_driver.h"

namespace vq72 {

TimerDriver::TimerDriver(MainWindowModel& model, MainWindowEvents& events, QObject* parent)
    : QObject(parent), model_(model) {
    // The supervision tick counts protocol time in 25 ms steps: keep it as exact as Qt can.
    bind(model.tmr_Delay, Qt::PreciseTimer, [&events] { events.tmr_Delay_Timer(); });
    bind(model.tmrComInit, Qt::CoarseTimer, [&events] { events.tmrComInit_Timer(); });
    bind(model.tmrSplash, Qt::CoarseTimer, [&events] { events.tmrSplash_Timer(); });
    model_.addListener(this);
}

TimerDriver::~TimerDriver() {
    model_.removeListener(this);
}

void TimerDriver::bind(const Timer& model, Qt::TimerType type, std::function<void()> handler) {
    auto* timer = new QTimer(this);
    timer->setInterval(model.intervalMs());
    timer->setTimerType(type);
    connect(timer, &QTimer::timeout, this, std::move(handler));
    bindings_.push_back({&model, timer});
    follow(bindings_.back());
}

void TimerDriver::timerChanged(const Timer& timer) {
    for (const Binding& binding : bindings_) {
        if (binding.model == &timer) follow(binding);
    }
}

// Enabling a running timer keeps its phase; QTimer::start() would restart it.
void TimerDriver::follow(const Binding& binding) {
    if (!binding.model->enabled()) {
        binding.timer->stop();
    } else if (!binding.timer->isActive()) {
        binding.timer->start();
    }
}

const QTimer* TimerDriver::timerFor(const Timer& timer) const {
    for (const Binding& binding : bindings_) {
        if (binding.model == &timer) return binding.timer;
    }
    return nullptr;
}

}  // namespace vq72
