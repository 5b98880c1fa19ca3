// SPDX-License-Identifier: MIT
#include "device/osd_text_filter.h"

#include "device/osd_frame.h"

namespace vq72::osd {
namespace {

constexpr char kFirstPrintable = ' ';

}  // namespace

int upperCase(int code) {
    return code >= 'a' && code <= 'z' ? code - 'a' + 'A' : code;
}

std::string keepShowableText(const std::string& text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        // Bytes of multi-byte UTF-8 sequences fall below 0 where char is signed, above "z"
        // otherwise: either way they are dropped.
        if (c < kFirstPrintable || c > kHighestTextByte) continue;
        kept.push_back(static_cast<char>(upperCase(c)));
    }
    return kept;
}

}  // namespace vq72::osd
