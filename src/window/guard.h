// SPDX-License-Identifier: MIT
// Applies a procedure's failure rule to its steps. Each call runs one unit; a Failure thrown
// inside it is handled here and never reaches the caller.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "device/failing_unit.h"
#include "window/report.h"

namespace vq72 {

// "Report and go on": a failing unit is reported under the procedure's title and the caller
// goes on with its next unit. Returns whether the unit succeeded.
class ReportingGuard {
public:
    ReportingGuard(ReportRoutine& report, std::string title)
        : report_(report), title_(std::move(title)) {}

    template <typename Unit>
    bool operator()(Unit&& unit) {
        FailureInfo failure;
        if (runUnit(std::forward<Unit>(unit), failure)) return true;
        report_.ShowError(failure.description, title_);
        return false;
    }

private:
    ReportRoutine& report_;
    std::string title_;
};

}  // namespace vq72
