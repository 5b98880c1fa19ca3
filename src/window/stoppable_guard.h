// SPDX-License-Identifier: MIT
// Runs a procedure's units one after the other under a failure rule that decides, for each
// failure, whether the procedure goes on with its next unit or ends; after an end every later
// unit is skipped.
#pragma once

#include <functional>
#include <utility>

#include "window/guard.h"

namespace vq72 {

class StoppableGuard {
public:
    // Returns true to go on with the next unit, false to end the procedure.
    using Rule = std::function<bool(const FailureInfo&)>;

    explicit StoppableGuard(Rule rule) : rule_(std::move(rule)) {}

    // Returns whether the unit ran and succeeded.
    template <typename Unit>
    bool operator()(Unit&& unit) {
        if (ended_) return false;
        FailureInfo failure;
        if (runUnit(std::forward<Unit>(unit), failure)) return true;
        ended_ = !rule_(failure);
        return false;
    }
    bool ended() const { return ended_; }

private:
    Rule rule_;
    bool ended_ = false;
};

}  // namespace vq72
