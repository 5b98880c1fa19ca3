// SPDX-License-Identifier: MIT
#include "ui/option_button.h"

#include <QKeyEvent>
#include <algorithm>

namespace vq72 {

OptionButton::OptionButton(Control& model, QWidget* parent) : QRadioButton(parent), model_(model) {
    // Qt's own exclusivity and arrow keys are replaced by the model's selection and the group
    // walk below.
    setAutoExclusive(false);
    connect(this, &QRadioButton::clicked, this, [this] { select(); });
}

void OptionButton::select() {
    model_.setValue(true);
    setChecked(model_.value());
}

void OptionButton::showValue() {
    setChecked(model_.value());
    const std::vector<OptionButton*> options = group();
    const bool noneSelected = std::none_of(options.begin(), options.end(),
                                           [](const OptionButton* o) { return o->isChecked(); });
    for (OptionButton* option : options) {
        option->setFocusPolicy(option->isChecked() || noneSelected ? Qt::StrongFocus
                                                                   : Qt::ClickFocus);
    }
}

std::vector<OptionButton*> OptionButton::group() {
    std::vector<OptionButton*> options{this};
    for (QWidget* next = nextInFocusChain(); next != this; next = next->nextInFocusChain()) {
        auto* option = qobject_cast<OptionButton*>(next);
        if (option && option->parentWidget() == parentWidget()) options.push_back(option);
    }
    return options;
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            step = 1;
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            step = -1;
            break;
        default:
            QRadioButton::keyPressEvent(event);
            return;
    }
    // `options` starts with this one; walk round it to the next one that can take the focus.
    const std::vector<OptionButton*> options = group();
    const int count = static_cast<int>(options.size());
    for (int n = 1; n < count; ++n) {
        OptionButton* option = options[((step * n) % count + count) % count];
        if (option->isEnabled() && option->isVisibleTo(window())) {
            option->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            option->select();
            break;
        }
    }
    event->accept();
}

}  // namespace vq72
