// SPDX-License-Identifier: MIT
#include "device/screen_position.h"

#include <array>
#include <stdexcept>

#include "device/osd_frame.h"

namespace vq72::osd {
namespace {

struct Location {
    const char* code;  // row digit, column digit
    TextAlign align;
};

constexpr std::array<Location, kPositionCount> kLocations{{
    {"11", TextAlign::Left},
    {"12", TextAlign::Centre},
    {"13", TextAlign::Right},
    {"21", TextAlign::Left},
    {"22", TextAlign::Centre},
    {"23", TextAlign::Right},
    {"31", TextAlign::Left},
    {"32", TextAlign::Centre},
    {"33", TextAlign::Right},
}};

// "White on Black" is colour 7, "Black on White" colour 8.
constexpr int kFirstColourNumber = 7;

}  // namespace

ScreenPosition screenPosition(int index) {
    if (index < 0 || index >= kPositionCount) throw std::out_of_range("screen position index");
    const Location& location = kLocations[static_cast<std::size_t>(index)];
    return {std::string(1, kDLE) + location.code, location.align};
}

std::string colourCode(int index) {
    if (index < 0 || index >= kColourSchemeCount) throw std::out_of_range("colour scheme index");
    return std::string(1, kACK) + std::to_string(kFirstColourNumber + index);
}

}  // namespace vq72::osd
