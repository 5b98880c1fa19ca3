// Work that the first frame of a window does not need waits until that frame is painted.
#pragma once

#include <chrono>
#include <functional>

class QWidget;

namespace vq72 {

// How long the work waits at most: a window that is not painted (shown on another desktop, or
// minimised from the start) still gets it.
inline constexpr std::chrono::milliseconds kFirstFrameLatest{2000};

// Runs `work` once, as soon as the events after the first painting of `window` (a top-level
// window, shown or about to be) let it, or `latest` from now if that comes first; at once when
// `window` is null.
void runAfterFirstFrame(QWidget* window, std::function<void()> work,
                        std::chrono::milliseconds latest = kFirstFrameLatest);

}  // namespace vq72
