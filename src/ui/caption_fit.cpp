// SPDX-License-Identifier: MIT
#include "ui/caption_fit.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace vq72 {
namespace {

constexpr int kFullWidth = 100;  // QFont stretch: per cent of the normal glyph width
constexpr int kNarrowest = 75;   // below this, text gets hard to read; it is cut instead

// `font` condensed until `text` takes at most `room` pixels. Each step is measured: where the
// family has a condensed face, some stretches pick it and are wider than their neighbours.
QFont condensedToFit(QFont font, const QString& text, int room) {
    font.setStretch(kFullWidth);
    const int needed = QFontMetrics(font).horizontalAdvance(text);
    if (needed <= room || needed == 0) return font;
    for (int stretch = std::max(kNarrowest, kFullWidth * room / needed); stretch >= kNarrowest;
         --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(text) <= room) break;
    }
    return font;
}

// The width that a button's style leaves for its caption beside the indicator and margins.
int captionRoom(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement contents = qobject_cast<const QRadioButton*>(button)
                                            ? QStyle::SE_RadioButtonContents
                                            : QStyle::SE_PushButtonContents;
    return button->style()->subElementRect(contents, &option, button).width();
}

}  // namespace

void fitCaption(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap()) return;
        const int room = label->contentsRect().width() - 2 * label->margin();
        label->setFont(condensedToFit(label->font(), label->text(), room));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setFont(condensedToFit(button->font(), button->text(), captionRoom(button)));
    }
}

}  // namespace vq72
