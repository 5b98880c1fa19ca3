// SPDX-License-Identifier: MIT
// What the simulated device receives: one host frame, its kind and its bytes, and for an OSD
// text command the fields it carries.
#pragma once

#include <string>

namespace vq72::sim {

enum class FrameKind { Cts, Osd, Bad };

enum class ColourScheme { None, WhiteOnBlack, BlackOnWhite };

struct OsdCommand {
    std::string text;                           // the 20-character text field as received
    int row = 1;                                // 1 top .. 3 bottom
    int column = 1;                             // 1 left .. 3 right
    ColourScheme colours = ColourScheme::None;  // None when the command carries no colour field
};

struct Frame {
    FrameKind kind = FrameKind::Bad;
    std::string bytes;
    OsdCommand osd;  // meaningful for FrameKind::Osd only
};

// The frame's kind as the log writes it: "CTS", "OSD" or "BAD".
const char* kindName(FrameKind kind);

}  // namespace vq72::sim
