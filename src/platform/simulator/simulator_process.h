// SPDX-License-Identifier: MIT
// The simulated VQ7240 run as a process of its own, for the sender's --simulate and the window's
// demo: vq72-osd-sim from this program's folder (build/bin, or /usr/lib/vq72-osd when
// installed), so that neither program links the simulator.
#pragma once

#include <QProcess>
#include <QStringList>
#include <functional>
#include <stdexcept>
#include <string>

namespace vq72 {

// The simulator cannot start, or names no port: says why, and what to do, in one line.
class SimulatorFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SimulatorProcess {
public:
    // Starts the simulator with `arguments` and waits for the path of its port; throws
    // SimulatorFailure.
    explicit SimulatorProcess(const QStringList& arguments);
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    const std::string& portPath() const { return portPath_; }

    // Calls `take` with each further line the simulator prints (without its line end), as the
    // event loop receives it, for as long as `receiver` lives.
    void followLines(QObject* receiver, std::function<void(const std::string& line)> take);

    // Ends the simulator and returns what it printed last (with --final-screen, the picture of
    // its screen as it was at the end).
    std::string stop();

private:
    QProcess process_;
    std::string portPath_;
};

}  // namespace vq72
