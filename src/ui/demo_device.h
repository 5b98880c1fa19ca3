// The demo's simulated VQ7240: started inside the program, attached as port 1.
#pragma once

#include <memory>
#include <string>

#include "sim/simulated_device.h"

namespace vq72 {

class DemoDevice {
public:
    static constexpr int kPort = 1;
    // The demo keeps its own settings file, so the user's saved port is never touched.
    static constexpr const char* kSettingsSuffix = "-demo";

    // Starts the device; throws std::system_error when no pseudo-terminal can be had.
    DemoDevice();
    ~DemoDevice();
    DemoDevice(const DemoDevice&) = delete;
    DemoDevice& operator=(const DemoDevice&) = delete;

    sim::SimulatedDevice& device() { return *device_; }
    // "1=<the device's port>", the port map of the demo run.
    std::string portMap() const;

private:
    std::unique_ptr<sim::SimulatedDevice> device_;
};

}  // namespace vq72
