// SPDX-License-Identifier: MIT
// vq72-osd-sim: the simulated VQ7240 as a program. Prints "port: <path>" first, then a picture
// of the screen whenever it changes (with --final-screen: once, when it ends; with
// --screen-lines: one line each time instead); ends cleanly on SIGINT or SIGTERM. Exit status:
// 0 ended by a signal, 1 cannot start, 64 bad options (EX_USAGE).
#include <signal.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "sim/simulated_device.h"
#include "vq72/version.h"

namespace {

constexpr long kWatchPeriodNs = 100'000'000;  // how often the screen is looked at
// Options of this program's output rather than of the device: the screen printed once, when the
// program ends (vq72-osd-send --simulate reads it), or as one line each time it changes (the
// window's demo draws it).
constexpr const char* kFinalScreenOption = "--final-screen";
constexpr const char* kScreenLinesOption = "--screen-lines";
constexpr const char* kVersionOption = "--version";
constexpr const char* kOutputUsage =
    "  --final-screen      print the screen only once, when ending\n"
    "  --screen-lines      print each screen as one line (for a program that draws it)\n"
    "  --version           print the program's name and version and end\n";
constexpr const char* kExitStatusText =
    "Exit status: 0 ended by SIGINT or SIGTERM, 1 cannot start, 64 bad options.\n";
constexpr int kExitCannotStart = 1;
constexpr int kExitUsage = 64;

// Takes `option` out of `arguments`; true when it was there.
bool takeOption(std::vector<std::string>& arguments, const char* option) {
    const auto found = std::find(arguments.begin(), arguments.end(), option);
    if (found == arguments.end()) return false;
    arguments.erase(found);
    return true;
}

void showPort(const std::string& path) {
    std::cout << (path.empty() ? std::string("port: gone") : "port: " + path) << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vq72::sim;
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const bool finalScreenOnly = takeOption(arguments, kFinalScreenOption);
    const auto show = takeOption(arguments, kScreenLinesOption) ? screenLine : renderScreen;
    if (takeOption(arguments, kVersionOption)) {
        std::cout << "vq72-osd-sim (VQ72_OSD) " << vq72::version::kText << std::endl;
        return 0;
    }
    const ParsedOptions parsed = parseOptions(arguments);
    if (parsed.help) {
        std::cout << usage() << kOutputUsage << kExitStatusText;
        return 0;
    }
    if (!parsed.error.empty()) {
        std::cerr << "vq72-osd-sim: " << parsed.error << "\n"
                  << usage() << kOutputUsage << kExitStatusText;
        return kExitUsage;
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
            if (!finalScreenOnly) std::cout << show(device.screen()) << std::flush;
        }
        device.stop();
        if (finalScreenOnly) std::cout << show(device.screen()) << std::flush;
    } catch (const std::exception& e) {
        std::cerr << "vq72-osd-sim: " << e.what() << "\n";
        return kExitCannotStart;
    }
    return 0;
}
