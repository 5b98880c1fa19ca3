// SPDX-License-Identifier: MIT
// What the simulated VQ7240's monitor shows, as vq72-osd-sim --screen-lines prints it:
// "screen: ROW COLUMN COLOURS TEXT".
#pragma once

#include <optional>
#include <string>

namespace vq72 {

struct SimulatorScreen {
    enum class Colours { None, WhiteOnBlack, BlackOnWhite };

    std::string text;  // the 20-character field; empty before the first command
    int row = 1;       // 1 top .. 3 bottom
    int column = 1;    // 1 left .. 3 right
    Colours colours = Colours::None;
};

// The screen a line describes (its line end taken off); nothing for any other line.
std::optional<SimulatorScreen> parseScreenLine(const std::string& line);

}  // namespace vq72
