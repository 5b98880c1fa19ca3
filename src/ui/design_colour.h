// SPDX-License-Identifier: MIT
// The layout's colours (0x00BBGGRR integers, or the stand-in for a system colour) as QColor.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <initializer_list>

#include "window/control.h"

namespace vq72 {

// kSystemWindowColour becomes the palette's window colour.
QColor toQColor(Colour colour, const QPalette& palette);

// The other way: a QColor as a 0x00BBGGRR integer.
Colour toColour(const QColor& colour);

// Gives `widget` the colour in each of `roles`, keeping the rest of its palette.
void setPaletteColour(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles,
                      const QColor& colour);

}  // namespace vq72
