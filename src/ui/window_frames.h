// SPDX-License-Identifier: MIT
// The title bar buttons that the windows ask of the window manager. None of them can be resized,
// so none offers to maximise; the start-up splash has no frame at all.
#pragma once

#include <Qt>

namespace vq72 {

inline constexpr Qt::WindowFlags kFixedSizeDialog = Qt::Dialog | Qt::CustomizeWindowHint |
                                                    Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                    Qt::WindowCloseButtonHint;
inline constexpr Qt::WindowFlags kFixedSizeWindow =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
inline constexpr Qt::WindowFlags kSplash = Qt::SplashScreen | Qt::FramelessWindowHint;

}  // namespace vq72
