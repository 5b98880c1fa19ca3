// SPDX-License-Identifier: MIT
#include "sim/screen.h"

#include "sim/frame_parser.h"

namespace vq72::sim {
namespace {

constexpr int kRows = 3;
constexpr std::size_t kPictureWidth = 3 * kTextCells;  // the text field fits in each third

}  // namespace

void Screen::apply(const OsdCommand& command) {
    text = command.text;
    row = command.row;
    column = command.column;
    if (command.colours != ColourScheme::None) colours = command.colours;
}

const char* colourName(ColourScheme colours) {
    switch (colours) {
        case ColourScheme::WhiteOnBlack:
            return "White on Black";
        case ColourScheme::BlackOnWhite:
            return "Black on White";
        case ColourScheme::None:
            break;
    }
    return "none";
}

std::string renderScreen(const Screen& screen) {
    const std::string edge = "+" + std::string(kPictureWidth, '-') + "+\n";
    std::string picture = edge;
    for (int row = 1; row <= kRows; ++row) {
        std::string line(kPictureWidth, ' ');
        if (row == screen.row && !screen.text.empty()) {
            const std::size_t start = static_cast<std::size_t>(screen.column - 1) * kTextCells;
            line.replace(start, screen.text.size(), screen.text);
        }
        picture += "|" + line + "|\n";
    }
    picture += edge;
    picture += "row " + std::to_string(screen.row) + " column " + std::to_string(screen.column) +
               ", " + colourName(screen.colours) + "\n";
    return picture;
}

std::string screenLine(const Screen& screen) {
    const char* colours = screen.colours == ColourScheme::WhiteOnBlack   ? "white-on-black"
                          : screen.colours == ColourScheme::BlackOnWhite ? "black-on-white"
                                                                         : "none";
    return "screen: " + std::to_string(screen.row) + " " + std::to_string(screen.column) + " " +
           colours + " " + screen.text + "\n";
}

}  // namespace vq72::sim
