// SPDX-License-Identifier: MIT
// Every text the main window's status line showed, in order.
#pragma once

#include <string>
#include <vector>

#include "window/main_window_model.h"

namespace vq72::test {

class StatusHistory : public MainWindowListener {
public:
    explicit StatusHistory(MainWindowModel& window) : w_(window) { w_.addListener(this); }
    ~StatusHistory() override { w_.removeListener(this); }
    StatusHistory(const StatusHistory&) = delete;
    StatusHistory& operator=(const StatusHistory&) = delete;

    std::vector<std::string> texts;

    void controlChanged(const Control& control, ControlProperty property) override {
        if (&control == &w_.lbl_txt_status && property == ControlProperty::Text)
            texts.push_back(control.text());
    }

private:
    MainWindowModel& w_;
};

}  // namespace vq72::test
