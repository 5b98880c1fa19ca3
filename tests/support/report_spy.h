// SPDX-License-Identifier: MIT
// Records every report that ShowError makes on the main window, as title and message, also
// when a report repeats the previous one. It empties the panel text after each report.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "window/main_window_model.h"

namespace vq72::test {

class ReportSpy : public MainWindowListener {
public:
    struct Report {
        std::string title;
        std::string message;
        bool operator==(const Report&) const = default;
        friend std::ostream& operator<<(std::ostream& os, const Report& r) {
            return os << '"' << r.title << "\": \"" << r.message << '"';
        }
    };

    explicit ReportSpy(MainWindowModel& window) : w_(window) { w_.addListener(this); }
    ~ReportSpy() override { w_.removeListener(this); }
    ReportSpy(const ReportSpy&) = delete;
    ReportSpy& operator=(const ReportSpy&) = delete;

    std::vector<Report> reports;

    void controlChanged(const Control& control, ControlProperty property) override {
        if (&control != &w_.lblErrMsg || property != ControlProperty::Text) return;
        const std::string text = control.text();
        if (text.empty()) return;
        const auto lineBreak = text.rfind("\r\n");
        const std::string message =
            lineBreak == std::string::npos ? text : text.substr(lineBreak + 2);
        reports.push_back({w_.frameError.text(), message});
        w_.lblErrMsg.setText("");
    }

private:
    MainWindowModel& w_;
};

}  // namespace vq72::test
