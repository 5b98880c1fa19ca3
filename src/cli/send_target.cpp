// SPDX-License-Identifier: MIT
#include "cli/send_target.h"

#include "device/number_text.h"
#include "device/program_identity.h"
#include "device/settings_store.h"
#include "platform/failure.h"

namespace vq72::cli {
namespace {

constexpr int kDevicePort = 1;

// The saved "ComPort" as a port number, if it holds one.
std::optional<int> savedPort(SettingsBacking& backing) {
    try {
        const std::string saved =
            backing.read(SettingsStore::buildPath(kAppTitle, kFormInitSection, "ComPort"));
        const int port = toInteger16(saved);
        if (port >= PortMap::kFirstPort && port <= PortMap::kLastPort) return port;
    } catch (const Failure&) {
        // Missing, unreadable or not a number: no saved port.
    }
    return std::nullopt;
}

}  // namespace

std::string SendTarget::label() const {
    if (!numbered) return path();
    const std::string com = "COM" + std::to_string(port);
    return path().empty() ? com : com + " (" + path() + ")";
}

SendTarget deviceTarget(const std::string& path) {
    SendTarget target;
    target.map.set(kDevicePort, path);
    target.port = kDevicePort;
    target.numbered = false;
    return target;
}

SendTarget batchTarget(const SendRequest& request, const PortMap& map) {
    if (!request.port) return deviceTarget(request.device);
    SendTarget target;
    target.map = map;
    target.port = *request.port;
    return target;
}

ResolvedTarget resolveTarget(const SendRequest& request, const char* environment,
                             SettingsBacking& backing) {
    if (!request.device.empty()) return {deviceTarget(request.device), {}};
    const std::optional<int> port = request.port ? request.port : savedPort(backing);
    if (!port) {
        return {std::nullopt,
                "no port given and no port saved by the window: use --port N or --device PATH"};
    }
    SendTarget target;
    target.map = PortMap::forRun(environment, backing);
    target.port = *port;
    return {target, {}};
}

}  // namespace vq72::cli
