#include "ui/label_fit.h"

#include <QFontMetrics>
#include <algorithm>

namespace vq72 {
namespace {

constexpr int kFullWidth = 100;  // QFont stretch: per cent of the normal glyph width
constexpr int kNarrowest = 75;   // below this, text gets hard to read; it is cut instead

}  // namespace

void fitToWidth(QLabel* label) {
    if (label->wordWrap()) return;
    QFont font = label->font();
    font.setStretch(kFullWidth);
    const int needed = QFontMetrics(font).horizontalAdvance(label->text());
    const int room = label->contentsRect().width() - 2 * label->margin();
    if (needed > room && needed > 0) {
        font.setStretch(std::max(kNarrowest, kFullWidth * room / needed));
    }
    label->setFont(font);
}

}  // namespace vq72
