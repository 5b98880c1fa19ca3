// SPDX-License-Identifier: MIT
// The "Simulated VQ7240" window of the demo: a dark 4:3 picture of the device's monitor with
// the OSD text at its row and column, in its colour scheme, redrawn each time the simulator
// prints its screen.
#pragma once

#include <QWidget>

#include "platform/simulator/simulator_process.h"
#include "platform/simulator/simulator_screen.h"

namespace vq72 {

class SimulatedMonitorView : public QWidget {
    Q_OBJECT
public:
    // Shows the screens that `simulator` (run with --screen-lines) prints.
    explicit SimulatedMonitorView(SimulatorProcess& simulator, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SimulatorScreen screen_;
};

}  // namespace vq72
