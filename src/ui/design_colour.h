// The layout's colours (0x00BBGGRR integers, or the stand-in for a system colour) as QColor.
#pragma once

#include <QColor>
#include <QPalette>

#include "app/control.h"

namespace vq72 {

// kSystemWindowColour becomes the palette's window colour.
QColor toQColor(Colour colour, const QPalette& palette);

}  // namespace vq72
