// SPDX-License-Identifier: MIT
// What the simulated monitor shows: the OSD text at its row and column in its colours, and a
// text picture of it for a terminal.
#pragma once

#include <string>

#include "sim/frame.h"

namespace vq72::sim {

struct Screen {
    std::string text;  // the 20-character field last received; empty before the first command
    int row = 1;
    int column = 1;
    ColourScheme colours = ColourScheme::None;

    // A command without a colour field keeps the colours already shown.
    void apply(const OsdCommand& command);
};

// "White on Black", "Black on White" or "none".
const char* colourName(ColourScheme colours);

// A framed 3-row monitor with the text in its row, placed left, centre or right, followed by a
// line such as "row 1 column 2, White on Black".
std::string renderScreen(const Screen& screen);

// The screen as one line for a program that draws it itself (the window's demo):
// "screen: ROW COLUMN COLOURS TEXT", COLOURS one of none, white-on-black, black-on-white, TEXT the
// field as received (nothing before the first command), then a line end.
std::string screenLine(const Screen& screen);

}  // namespace vq72::sim
