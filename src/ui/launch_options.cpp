// SPDX-License-Identifier: MIT
#include "ui/launch_options.h"

namespace vq72 {

LaunchOptions parseLaunchOptions(const std::vector<std::string>& arguments) {
    LaunchOptions options;
    for (const std::string& argument : arguments) {
        if (argument == "--version") {
            options.version = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--no-splash") {
            options.splash = false;
        } else if (argument == "--simulate") {
            options.simulate = true;
        } else {
            options.commandLine.push_back(argument);
        }
    }
    return options;
}

std::string launchHelp(const std::string& program) {
    return "Usage: " + program +
           " [options] [SKIPCOM n]\n"
           "Loads one line of on-screen-display text into a VQ72xx video device over a serial "
           "line.\n"
           "\n"
           "Options:\n"
           "  --version     print the program's name and version, then end\n"
           "  --help, -h    print this help, then end\n"
           "  --no-splash   start without the About window's start-up splash\n"
           "  --simulate    demo: a simulated VQ7240 is port 1 and shows its screen in a window\n"
           "                of its own; the demo keeps its own settings\n"
           "  SKIPCOM n     never probe port n (one digit) when looking for ports\n"
           "\n"
           "Environment:\n"
           "  VQ72_OSD_PORTS  the port map for this run, e.g. \"5=/dev/ttyUSB0,6=/dev/pts/7\"\n"
           "                  (port numbers it does not name map to no device)\n"
           "  VQ72_OSD_TRACE  a file to append every byte sent and received to, one line per\n"
           "                  transfer with its time (UTC) and direction (> sent, < received)\n";
}

}  // namespace vq72
