// SPDX-License-Identifier: MIT
// VQ72_OSD: loads one line of on-screen-display text into a VQ72xx video device.
#include <QApplication>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "device/program_identity.h"
#include "ui/application.h"
#include "ui/display_check.h"
#include "ui/launch_options.h"
#include "vq72/version.h"

namespace {

// The program cannot run here: no display, or no simulated device for the demo.
constexpr int kCannotRun = 2;

std::vector<std::string> argumentsOf(int argc, char** argv) {
    return {argv + 1, argv + argc};
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = argumentsOf(argc, argv);
    const vq72::LaunchOptions early = vq72::parseLaunchOptions(arguments);
    if (early.version) {
        std::cout << vq72::kAppTitle << ' ' << vq72::version::kText << '\n';
        return 0;
    }
    if (early.help) {
        std::cout << vq72::launchHelp(argv[0]);
        return 0;
    }
    if (const std::string message = vq72::missingDisplayMessage(argv[0], arguments);
        !message.empty()) {
        std::cerr << message << '\n';
        return kCannotRun;
    }

    QApplication qt(argc, argv);
    // Qt has taken out its own options (-platform, -style ...); the rest is ours.
    std::optional<vq72::Application> application;
    try {
        application.emplace(vq72::parseLaunchOptions(argumentsOf(argc, argv)));
    } catch (const vq72::SimulatorFailure& failure) {
        std::cerr << "vq72-osd: " << failure.what() << '\n';
        return kCannotRun;
    }
    application->start();
    return application->exec();
}
