// Opens documents, web addresses and "mailto:" targets with the desktop's associated program.
#pragma once

#include <string>

namespace vq72 {

class Shell {
public:
    // What open() answers, in the desktop shell's own numbers.
    static constexpr long kOpened = 42;
    static constexpr long kFileNotFound = 2;
    static constexpr long kNoAssociation = 31;

    virtual ~Shell() = default;
    // Returns a value above 32 on success, 32 or below when the desktop could not open it.
    // Throws Failure when the request itself cannot be made.
    virtual long open(const std::string& target) = 0;
};

}  // namespace vq72
