// SPDX-License-Identifier: MIT
// A failed platform call: a number and the platform's own description of it.
// Logic procedures catch it through a step guard (app/guard.h) and apply their failure rule.
#pragma once

#include <stdexcept>
#include <string>

namespace vq72 {

class Failure : public std::runtime_error {
public:
    Failure(long number, const std::string& description)
        : std::runtime_error(description), number_(number) {}

    long number() const { return number_; }
    std::string description() const { return what(); }

private:
    long number_;
};

}  // namespace vq72
