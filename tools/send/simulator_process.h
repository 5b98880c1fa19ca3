// The simulated device of --simulate, run as its own process: vq72-osd-sim from this program's
// folder (build/bin, or /usr/lib/vq72-osd when installed), so that the sender links no
// simulator.
#pragma once

#include <QProcess>
#include <string>

namespace vq72::send {

class SimulatorProcess {
public:
    // Starts the simulator and waits for the path of its port. Throws std::runtime_error, saying
    // what to do, when it cannot start or names no port.
    SimulatorProcess();
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    const std::string& portPath() const { return portPath_; }

    // Ends the simulator and returns the picture of its screen as it was at the end.
    std::string stop();

private:
    QProcess process_;
    std::string portPath_;
};

}  // namespace vq72::send
