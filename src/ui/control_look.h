// Qt colours and fonts for the layouts' colour values (0x00BBGGRR) and font specs.
#pragma once

#include <QColor>
#include <QFont>

#include "app/control.h"

namespace vq72 {

// kSystemWindowColour becomes the application palette's window colour.
QColor toQColor(Colour colour);

// The named family where it is installed, DejaVu Sans otherwise; point size, weight and
// underline as designed. A font without a family is `base`, the window's default font.
QFont toQFont(const FontSpec& spec, const QFont& base);

}  // namespace vq72
