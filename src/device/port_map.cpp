// SPDX-License-Identifier: MIT
#include "device/port_map.h"

#include <sstream>

#include "device/network_port.h"
#include "device/program_identity.h"
#include "platform/failure.h"

namespace vq72 {

PortMap PortMap::defaults() {
    PortMap map;
    for (int i = 0; i < 4; ++i) {
        map.set(1 + i, "/dev/ttyS" + std::to_string(i));
        map.set(5 + i, "/dev/ttyUSB" + std::to_string(i));
        map.set(9 + i, "/dev/ttyACM" + std::to_string(i));
        map.set(13 + i, "/dev/ttyS" + std::to_string(4 + i));
    }
    return map;
}

PortMap PortMap::parse(const std::string& text, const std::string& source) {
    PortMap map;
    std::stringstream entries(text);
    std::string entry;
    while (std::getline(entries, entry, ',')) {
        const auto equals = entry.find('=');
        if (equals == std::string::npos) {
            map.problems_.push_back(source + ": \"" + entry +
                                    "\" left out: an entry is N=DEVICE, N a port number 1 to 16");
            continue;
        }
        map.setEntry(entry.substr(0, equals), entry.substr(equals + 1), source);
    }
    return map;
}

PortMap PortMap::forRun(const char* environment, SettingsBacking& backing) {
    if (environment != nullptr) return parse(environment);
    PortMap map = defaults();
    std::vector<std::pair<std::string, std::string>> stored;
    try {
        stored = backing.entries(std::string(kSettingsRoot) + kAppTitle + "\\" + kSection);
    } catch (const Failure&) {
        // An unreadable store: the defaults stay.
    }
    for (const auto& [number, device] : stored) map.setEntry(number, device, "[Ports]");
    return map;
}

void PortMap::setEntry(const std::string& number, const std::string& device,
                       const std::string& source) {
    const std::string entry = "\"" + number + "=" + device + "\"";
    int port = 0;
    const bool digits = !number.empty() && number.size() <= 2 &&
                        number.find_first_not_of("0123456789") == std::string::npos;
    if (digits) port = std::stoi(number);
    if (port < kFirstPort || port > kLastPort) {
        problems_.push_back(source + ": " + entry + " left out: \"" + number +
                            "\" is not a port number 1 to 16");
    } else if (device.empty()) {
        problems_.push_back(source + ": " + entry + " left out: it names no device");
    } else if (isNetworkEntry(device) && !parseNetworkPort(device).port) {
        problems_.push_back(source + ": " + entry +
                            " left out: " + parseNetworkPort(device).problem);
    } else {
        set(port, device);
    }
}

std::string PortMap::device(int port) const {
    if (port < kFirstPort || port > kLastPort) return {};
    return devices_[static_cast<std::size_t>(port)];
}

void PortMap::set(int port, const std::string& device) {
    if (port < kFirstPort || port > kLastPort) return;
    devices_[static_cast<std::size_t>(port)] = device;
}

}  // namespace vq72
