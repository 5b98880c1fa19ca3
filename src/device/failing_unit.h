// SPDX-License-Identifier: MIT
// Runs one unit of a procedure and catches the program's own failures: a Failure becomes its
// number and text instead of reaching the caller. Anything else (a programming error such as
// std::logic_error, std::bad_alloc) is no failure to report and goes on to the caller.
#pragma once

#include <string>
#include <utility>

#include "platform/failure.h"

namespace vq72 {

// What a failed unit carried: its number and text.
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
    }
    return false;
}

// "Ignore": a failing unit is dropped silently.
template <typename Unit>
bool ignoringFailure(Unit&& unit) {
    FailureInfo failure;
    return runUnit(std::forward<Unit>(unit), failure);
}

}  // namespace vq72
