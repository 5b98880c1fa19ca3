// Runs one unit of a procedure and catches what it throws: a Failure (or any other exception)
// becomes the failure's number and text instead of reaching the caller.
#pragma once

#include <exception>
#include <string>
#include <utility>

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

// "Ignore": a failing unit is dropped silently.
template <typename Unit>
bool ignoringFailure(Unit&& unit) {
    FailureInfo failure;
    return runUnit(std::forward<Unit>(unit), failure);
}

}  // namespace vq72
