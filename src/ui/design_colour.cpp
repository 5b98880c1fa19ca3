// SPDX-License-Identifier: MIT
#include "ui/design_colour.h"

namespace vq72 {

QColor toQColor(Colour colour, const QPalette& palette) {
    if (colour == kSystemWindowColour) return palette.color(QPalette::Window);
    const int red = static_cast<int>(colour & 0xFF);
    const int green = static_cast<int>((colour >> 8) & 0xFF);
    const int blue = static_cast<int>((colour >> 16) & 0xFF);
    return QColor(red, green, blue);
}

Colour toColour(const QColor& colour) {
    return static_cast<Colour>(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

void setPaletteColour(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles,
                      const QColor& colour) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : roles) palette.setColor(role, colour);
    widget->setPalette(palette);
}

}  // namespace vq72
