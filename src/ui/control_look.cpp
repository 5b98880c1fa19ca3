#include "ui/control_look.h"

#include <QGuiApplication>
#include <QPalette>

namespace vq72 {
namespace {
constexpr const char* kFallbackFamily = "DejaVu Sans";
}  // namespace

QColor toQColor(Colour colour) {
    if (colour == kSystemWindowColour) return QGuiApplication::palette().color(QPalette::Window);
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QFont toQFont(const FontSpec& spec, const QFont& base) {
    if (spec.family.empty()) return base;
    QFont font = base;
    font.setFamilies({QString::fromStdString(spec.family), kFallbackFamily});
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setUnderline(spec.underline);
    return font;
}

}  // namespace vq72
