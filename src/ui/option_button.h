// SPDX-License-Identifier: MIT
// An option button of a group (the option buttons of one container): the model keeps one option
// of a group selected and raises the click handler when an option becomes selected; the widget
// shows what it holds. For the keyboard the group is one stop: Tab reaches only its selected
// option (every option while none is selected), and the arrow keys select the next or previous
// option in tab order, round from the last to the first.
#pragma once

#include <QRadioButton>
#include <vector>

#include "window/control.h"

namespace vq72 {

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(Control& model, QWidget* parent);

    // Shows the model's value, and moves the group's tab stop to its selected option.
    void showValue();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Selects this option in the model, as a click does.
    void select();
    // The options of this button's group in tab order, this one included.
    std::vector<OptionButton*> group();

    Control& model_;
};

}  // namespace vq72
