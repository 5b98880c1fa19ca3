#include "osd/display_options.h"

#include <array>
#include <string>

#include "osd/osd_frame.h"

namespace vq72 {
namespace {

struct Location {
    const char* code;  // row digit, column digit
    TextAlign align;
};

// Indexed like opt_location: rows top, middle, bottom; columns left, centre, right.
constexpr std::array<Location, DisplayOptions::kLocationCount> kLocations{{
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

void DisplayOptions::opt_location_Click(int Index) {
    if (Index == LastLocationIndex || Index < 0 || Index >= kLocationCount) return;
    LastLocationIndex = Index;
    const Location& location = kLocations[static_cast<std::size_t>(Index)];
    w_.state.TextAlignment = static_cast<int>(location.align);
    w_.state.LocationCode = std::string(1, osd::kDLE) + location.code;
    w_.Text_input.setAlignment(location.align);
}

void DisplayOptions::opt_BK_WT_Click(int Index) {
    if (Index == LastColorIndex || Index < 0 || Index >= kColourCount) return;
    LastColorIndex = Index;
    w_.state.ColorCode = std::string(1, osd::kACK) + std::to_string(kFirstColourNumber + Index);
}

}  // namespace vq72
