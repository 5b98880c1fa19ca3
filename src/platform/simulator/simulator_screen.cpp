// SPDX-License-Identifier: MIT
#include "platform/simulator/simulator_screen.h"

#include <sstream>

namespace vq72 {

std::optional<SimulatorScreen> parseScreenLine(const std::string& line) {
    std::istringstream fields(line);
    std::string label;
    std::string colours;
    SimulatorScreen screen;
    if (!(fields >> label >> screen.row >> screen.column >> colours) || label != "screen:")
        return std::nullopt;
    if (colours == "white-on-black") {
        screen.colours = SimulatorScreen::Colours::WhiteOnBlack;
    } else if (colours == "black-on-white") {
        screen.colours = SimulatorScreen::Colours::BlackOnWhite;
    } else if (colours != "none") {
        return std::nullopt;
    }
    // The text is the rest of the line after one blank, blanks of its own included.
    const std::streamoff end = fields.tellg();
    if (end >= 0 && static_cast<std::size_t>(end) < line.size())
        screen.text = line.substr(static_cast<std::size_t>(end) + 1);
    return screen;
}

}  // namespace vq72
