// SPDX-License-Identifier: MIT
#include "cli/batch_devices.h"

#include "cli/terminal_text.h"
#include "device/network_port.h"

namespace vq72::cli {

BatchDevices::BatchDevices(PortMap map, Resolve resolve)
    : map_(std::move(map)), resolve_(std::move(resolve)) {}

std::string BatchDevices::take(int lineNumber, const SendRequest& request) {
    const std::string named = request.port ? "COM" + std::to_string(*request.port) : request.device;
    const std::string path = request.port ? map_.device(*request.port) : request.device;
    // A port number without a device stays itself; a network entry names no file.
    std::string device = named;
    if (!path.empty()) device = isNetworkEntry(path) ? path : resolve_(path);

    const auto [first, added] = firstLines_.emplace(device, lineNumber);
    if (added) return {};
    std::string problem = shortened(named);
    if (device != named) problem += " (" + shortened(device) + ")";
    return problem + " is the device of line " + std::to_string(first->second) +
           " already: give each device one line (the later text would replace the earlier)";
}

}  // namespace vq72::cli
