#include "serial/port_map.h"

#include <sstream>

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

PortMap PortMap::parse(const std::string& text) {
    PortMap map;
    std::stringstream entries(text);
    std::string entry;
    while (std::getline(entries, entry, ',')) {
        const auto equals = entry.find('=');
        if (equals == std::string::npos || equals == 0) continue;
        int port = 0;
        try {
            std::size_t used = 0;
            port = std::stoi(entry.substr(0, equals), &used);
            if (used != equals) continue;
        } catch (const std::exception&) {
            continue;
        }
        map.set(port, entry.substr(equals + 1));
    }
    return map;
}

PortMap PortMap::forRun(const char* environment, SettingsBacking& backing) {
    if (environment != nullptr) return parse(environment);
    PortMap map = defaults();
    for (int port = kFirstPort; port <= kLastPort; ++port) {
        try {
            map.set(port, backing.read("HKEY_LOCAL_MACHINE\\SOFTWARE\\Flarn\\VQ72_OSD\\Ports\\" +
                                       std::to_string(port)));
        } catch (const std::exception&) {
            // No entry in the store: the default stays.
        }
    }
    return map;
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
