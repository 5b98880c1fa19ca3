// Applies a procedure's failure rule to its steps. Each call runs one unit; a Failure (or any
// other exception) thrown inside it is handled here and never reaches the caller.
#pragma once

#include <exception>
#include <functional>
#include <string>

#include "app/report.h"
#include "platform/failure.h"

namespace vq72 {

// What a failed unit carried: its number (0 when it was not a platform failure) and text.
struct FailureInfo {
    long number = 0;
    std::string description;
};

// Runs a unit and returns the failure it raised, if any.
template <typename Unit>
bool runUnit(Unit&& unit, FailureInfo& failure) {
    try {
        unit();
        return true;
    } catch (const Failure& f) {
        failure = {f.number(), f.description()};
    } catch (const std::exception& e) {
        failure = {0, e.what()};
    }
    return false;
}

// "Report and go on": a failing unit is reported under the procedure's title and the caller
// goes on with its next unit. Returns whether the unit succeeded.
class ReportingGuard {
public:
    ReportingGuard(ReportRoutine& report, std::string title) : report_(report), title_(std::move(title)) {}

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

// "Ignore": a failing unit is dropped silently.
template <typename Unit>
bool ignoringFailure(Unit&& unit) {
    FailureInfo failure;
    return runUnit(std::forward<Unit>(unit), failure);
}

}  // namespace vq72
