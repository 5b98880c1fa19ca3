// The "Simulated VQ7240" window of the demo: a dark 4:3 picture of the device's monitor with
// the OSD text at its row and column, in its colour scheme, redrawn as frames arrive.
#pragma once

#include <QWidget>

#include "sim/screen.h"

namespace vq72::sim {
class SimulatedDevice;
}

namespace vq72 {

class SimulatedMonitorView : public QWidget {
    Q_OBJECT
public:
    // `device` must outlive the view's listening: stop the device before the view goes.
    explicit SimulatedMonitorView(sim::SimulatedDevice& device, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    sim::SimulatedDevice& device_;
    sim::Screen screen_;
};

}  // namespace vq72
