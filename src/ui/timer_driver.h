// Runs the main window's timers on QTimer: one QTimer per model timer, started and stopped as
// the model enables and disables it, its timeouts delivered to the timer's handler.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

#include "window/main_window_events.h"
#include "window/main_window_model.h"

namespace vq72 {

class TimerDriver : public QObject, private MainWindowListener {
    Q_OBJECT
public:
    TimerDriver(MainWindowModel& model, MainWindowEvents& events, QObject* parent = nullptr);
    ~TimerDriver() override;

    // The QTimer behind a model timer (for tests and diagnostics).
    const QTimer* timerFor(const Timer& timer) const;

private:
    struct Binding {
        const Timer* model;
        QTimer* timer;
    };

    void bind(const Timer& model, Qt::TimerType type, std::function<void()> handler);
    void timerChanged(const Timer& timer) override;
    static void follow(const Binding& binding);

    MainWindowModel& model_;
    std::vector<Binding> bindings_;
};

}  // namespace vq72
