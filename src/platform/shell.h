// SPDX-License-Identifier: MIT
// Opens documents, web addresses and "mailto:" targets with the desktop's associated program.
#pragma once

#include <string>

namespace vq72 {

class Shell {
public:
    virtual ~Shell() = default;
    // Returns a value above 32 on success, 32 or below when the desktop could not open it.
    // Throws Failure when the request itself cannot be made.
    virtual long open(const std::string& target) = 0;
};

}  // namespace vq72
