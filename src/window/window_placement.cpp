// SPDX-License-Identifier: MIT
#include "window/window_placement.h"

#include <algorithm>
#include <array>

namespace vq72 {
namespace {

int right(const Rect& r) {
    return r.left + r.width;
}

int bottom(const Rect& r) {
    return r.top + r.height;
}

bool inside(const Rect& r, const Rect& area) {
    return r.left >= area.left && r.top >= area.top && right(r) <= right(area) &&
           bottom(r) <= bottom(area);
}

// A coordinate moved just far enough for a length from it to stay within [low, high); the low
// end wins when the length does not fit.
int within(int at, int length, int low, int high) {
    return std::max(low, std::min(at, high - length));
}

}  // namespace

Rect placeBeside(const Rect& main, int width, int height, const Rect& area) {
    const int alongY = within(main.top, height, area.top, bottom(area));
    const int alongX = within(main.left, width, area.left, right(area));
    const std::array<Rect, 3> beside{
        Rect{right(main) + kWindowGap, alongY, width, height},
        Rect{alongX, bottom(main) + kWindowGap, width, height},
        Rect{main.left - kWindowGap - width, alongY, width, height},
    };
    for (const Rect& place : beside) {
        if (inside(place, area)) return place;
    }
    // The corner on the sides where the area leaves more room beyond the main window's centre.
    const int centreX = main.left + main.width / 2;
    const int centreY = main.top + main.height / 2;
    const bool toLeft = centreX - area.left > right(area) - centreX;
    const bool toTop = centreY - area.top > bottom(area) - centreY;
    return {toLeft ? area.left : within(right(area), width, area.left, right(area)),
            toTop ? area.top : within(bottom(area), height, area.top, bottom(area)), width, height};
}

Rect placeMainOfPair(int width, int height, int otherWidth, const Rect& area) {
    const int pairWidth = width + kWindowGap + otherWidth;
    const int spanWidth = pairWidth <= area.width ? pairWidth : width;
    return {area.left + (area.width - spanWidth) / 2, area.top + (area.height - height) / 2, width,
            height};
}

}  // namespace vq72
