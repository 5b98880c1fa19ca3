// vq72-osd-sim: the simulated VQ7240 as a program. Prints "port: <path>" first, then a picture
// of the screen whenever it changes; ends cleanly on SIGINT or SIGTERM.
#include <signal.h>

#include <cstdio>
#include <exception>
#include <iostream>

#include "sim/simulated_device.h"

namespace {

constexpr long kWatchPeriodNs = 100'000'000;  // how often the screen is looked at

void showPort(const std::string& path) {
    std::cout << (path.empty() ? std::string("port: gone") : "port: " + path) << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vq72::sim;
    const ParsedOptions parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.help) {
        std::cout << usage();
        return 0;
    }
    if (!parsed.error.empty()) {
        std::cerr << "vq72-osd-sim: " << parsed.error << "\n" << usage();
        return 2;
    }

    // Blocked here, before the device's thread exists, so only sigtimedwait below sees them.
    sigset_t endSignals;
    sigemptyset(&endSignals);
    sigaddset(&endSignals, SIGINT);
    sigaddset(&endSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &endSignals, nullptr);

    try {
        SimulatedDevice device(parsed.options);
        device.start();
        std::string port = device.portPath();
        showPort(port);
        unsigned long seen = device.changes();
        const timespec period{0, kWatchPeriodNs};
        while (sigtimedwait(&endSignals, nullptr, &period) < 0) {
            if (device.changes() == seen) continue;
            seen = device.changes();
            if (device.portPath() != port) {
                port = device.portPath();
                showPort(port);
            }
            std::cout << renderScreen(device.screen()) << std::flush;
        }
        device.stop();
    } catch (const std::exception& e) {
        std::cerr << "vq72-osd-sim: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
