#include "ui/demo_device.h"

namespace vq72 {

DemoDevice::DemoDevice() : device_(std::make_unique<sim::SimulatedDevice>(sim::Options{})) {
    device_->start();
}

DemoDevice::~DemoDevice() { device_->stop(); }

std::string DemoDevice::portMap() const {
    return std::to_string(kPort) + "=" + device_->portPath();
}

}  // namespace vq72
