// SPDX-License-Identifier: MIT
// The layout's fonts on this system: a family that is not installed is replaced by the closest
// installed sans-serif; point sizes and weight stay as designed.
#pragma once

#include <QFont>

#include "window/control.h"

namespace vq72 {

// The font of controls that name none: the designed system default, "MS Sans Serif" 8 pt.
QFont designDefaultFont();
QFont designFont(const FontSpec& spec);

}  // namespace vq72
