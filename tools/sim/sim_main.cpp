// vq72-osd-sim: the simulated VQ7240 as a program. Prints "port: <path>" first, then a picture
// of the screen whenever it changes (with --final-screen: once, when it ends); ends cleanly on
// SIGINT or SIGTERM.
#include <signal.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "sim/simulated_device.h"

namespace {

constexpr long kWatchPeriodNs = 100'000'000;  // how often the screen is looked at
// An option of this program's output rather than of the device: the screen is printed once,
// when the program ends (vq72-osd-send --simulate reads it).
constexpr const char* kFinalScreenOption = "--final-screen";
constexpr const char* kFinalScreenUsage =
    "  --final-screen      print the screen only once, when ending\n";

void showPort(const std::string& path) {
    std::cout << (path.empty() ? std::string("port: gone") : "port: " + path) << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vq72::sim;
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const auto finalScreenArgument =
        std::find(arguments.begin(), arguments.end(), kFinalScreenOption);
    const bool finalScreenOnly = finalScreenArgument != arguments.end();
    if (finalScreenOnly) arguments.erase(finalScreenArgument);
    const ParsedOptions parsed = parseOptions(arguments);
    if (parsed.help) {
        std::cout << usage() << kFinalScreenUsage;
        return 0;
    }
    if (!parsed.error.empty()) {
        std::cerr << "vq72-osd-sim: " << parsed.error << "\n" << usage() << kFinalScreenUsage;
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
            if (!finalScreenOnly) std::cout << renderScreen(device.screen()) << std::flush;
        }
        device.stop();
        if (finalScreenOnly) std::cout << renderScreen(device.screen()) << std::flush;
    } catch (const std::exception& e) {
        std::cerr << "vq72-osd-sim: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
