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

int overlap(const Rect& a, const Rect& b) {
    const int w = std::min(right(a), right(b)) - std::max(a.left, b.left);
    const int h = std::min(bottom(a), bottom(b)) - std::max(a.top, b.top);
    return std::max(0, w) * std::max(0, h);
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
    const int leftmost = area.left;
    const int rightmost = within(right(area), width, area.left, right(area));
    const int topmost = area.top;
    const int lowest = within(bottom(area), height, area.top, bottom(area));
    Rect best{rightmost, lowest, width, height};
    for (const Rect& corner :
         {Rect{leftmost, topmost, width, height}, Rect{rightmost, topmost, width, height},
          Rect{leftmost, lowest, width, height}}) {
        if (overlap(corner, main) < overlap(best, main)) best = corner;
    }
    return best;
}

}  // namespace vq72
