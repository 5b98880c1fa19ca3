// The main window's timers on QTimer for the link benchmark, as the program runs them: one
// QTimer per model timer (the 25 ms supervision tick precise), started when the model enables
// it (a running one keeps its phase) and stopped when it disables it.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "app/main_window_events.h"
#include "app/main_window_model.h"

namespace vq72::bench {

class ModelTimers : private MainWindowListener {
public:
    ModelTimers(MainWindowModel& w, MainWindowEvents& events) : w_(w) {
        bind(w.tmr_Delay, Qt::PreciseTimer, [&events] { events.tmr_Delay_Timer(); });
        bind(w.tmrComInit, Qt::CoarseTimer, [&events] { events.tmrComInit_Timer(); });
        bind(w.tmrSplash, Qt::CoarseTimer, [&events] { events.tmrSplash_Timer(); });
        w_.addListener(this);
    }
    ~ModelTimers() override { w_.removeListener(this); }
    ModelTimers(const ModelTimers&) = delete;
    ModelTimers& operator=(const ModelTimers&) = delete;

private:
    struct Binding {
        const Timer* model;
        std::unique_ptr<QTimer> timer;
    };

    void bind(const Timer& model, Qt::TimerType type, std::function<void()> handler) {
        auto timer = std::make_unique<QTimer>();
        timer->setInterval(model.intervalMs());
        timer->setTimerType(type);
        QObject::connect(timer.get(), &QTimer::timeout, std::move(handler));
        bindings_.push_back({&model, std::move(timer)});
        follow(bindings_.back());
    }
    void timerChanged(const Timer& timer) override {
        for (const Binding& binding : bindings_) {
            if (binding.model == &timer) follow(binding);
        }
    }
    static void follow(const Binding& binding) {
        if (!binding.model->enabled()) {
            binding.timer->stop();
        } else if (!binding.timer->isActive()) {
            binding.timer->start();
        }
    }

    MainWindowModel& w_;
    std::vector<Binding> bindings_;
};

}  // namespace vq72::bench
