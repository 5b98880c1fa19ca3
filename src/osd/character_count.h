// SPDX-License-Identifier: MIT
// The character count lbl_count: it shows how many characters Text_input holds and follows
// every change of the text, the program's own included, as it happens.
#pragma once

#include <string>

#include "window/main_window_model.h"

namespace vq72 {

class CharacterCount : private MainWindowListener {
public:
    explicit CharacterCount(MainWindowModel& window) : window_(window) {
        show();
        window_.addListener(this);
    }
    ~CharacterCount() override { window_.removeListener(this); }
    CharacterCount(const CharacterCount&) = delete;
    CharacterCount& operator=(const CharacterCount&) = delete;

private:
    void controlChanged(const Control& control, ControlProperty property) override {
        if (&control == &window_.Text_input && property == ControlProperty::Text) show();
    }
    void show() { window_.lbl_count.setText(std::to_string(window_.Text_input.text().size())); }

    MainWindowModel& window_;
};

}  // namespace vq72
