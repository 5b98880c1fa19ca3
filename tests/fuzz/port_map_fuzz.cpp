// The port map from VQ72_OSD_PORTS (first byte even) or from the settings' [Ports] entries,
// NAME=DEVICE a line (first byte odd). Besides the sanitizers: each device kept is usable (a
// network entry only when it parses) and was given for its port (or is its default), and each
// problem names an entry of the input.
#include <cstdint>
#include <sstream>

#include "device/port_map.h"
#include "fuzz/request_checks.h"
#include "support/fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vq72;
    const bool fromSettings = size > 0 && (data[0] & 1) != 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    test::FakeSettingsBacking backing;
    std::stringstream lines(text);
    for (std::string line; fromSettings && std::getline(lines, line);) {
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        backing.values["HKEY_LOCAL_MACHINE\\SOFTWARE\\Flarn\\VQ72_OSD\\Ports\\" +
                       line.substr(0, equals)] = line.substr(equals + 1);
    }
    const PortMap map = PortMap::forRun(fromSettings ? nullptr : text.c_str(), backing);
    for (int port = PortMap::kFirstPort; port <= PortMap::kLastPort; ++port) {
        const std::string device = map.device(port);
        fuzz::check(device.empty() || !isNetworkEntry(device) || parseNetworkPort(device).port);
        fuzz::check(device.empty() ||
                    (fromSettings && device == PortMap::defaults().device(port)) ||
                    text.find(std::to_string(port) + "=" + device) != std::string::npos);
    }
    for (const std::string& problem : map.problems()) {
        const auto open = problem.find('"');
        const auto close = problem.find("\" left out", open + 1);
        fuzz::check(close != std::string::npos &&
                    text.find(problem.substr(open + 1, close - open - 1)) != std::string::npos);
    }
    return 0;
}
