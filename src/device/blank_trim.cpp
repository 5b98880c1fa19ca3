// SPDX-License-Identifier: MIT
#include "device/blank_trim.h"

namespace vq72 {

std::string trimBlanks(const std::string& text) {
    constexpr char kBlank = ' ';
    const auto first = text.find_first_not_of(kBlank);
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(kBlank);
    return text.substr(first, last - first + 1);
}

}  // namespace vq72
