// Work that the first frame of a window does not need waits until that frame is painted.
#pragma once

#include <functional>

class QWidget;

namespace vq72 {

// Runs `work` once, as soon as the events after the first painting of `window` (a top-level
// window, shown or about to be) let it; at once when `window` is null.
void runAfterFirstFrame(QWidget* window, std::function<void()> work);

}  // namespace vq72
