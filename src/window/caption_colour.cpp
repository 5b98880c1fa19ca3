// SPDX-License-Identifier: MIT
#include "window/caption_colour.h"

#include <algorithm>
#include <cmath>

namespace vq72 {
namespace {

// One sRGB channel (0 to 255) as linear light.
double linear(Colour channel) {
    const double value = static_cast<double>(channel & 0xFF) / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double relativeLuminance(Colour colour) {
    return 0.2126 * linear(colour) + 0.7152 * linear(colour >> 8) + 0.0722 * linear(colour >> 16);
}

}  // namespace

double contrastRatio(Colour first, Colour second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::optional<Colour> captionColourOn(Colour back) {
    if (back == kSystemWindowColour) return std::nullopt;
    return contrastRatio(back, kBlack) >= contrastRatio(back, kWhite) ? kBlack : kWhite;
}

std::optional<Colour> backColourUnder(Colour fore, Colour themeBack) {
    if (contrastRatio(fore, themeBack) >= kReadableContrast) return std::nullopt;
    return captionColourOn(fore);
}

}  // namespace vq72
