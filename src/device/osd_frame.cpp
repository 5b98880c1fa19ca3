// SPDX-License-Identifier: MIT
#include "device/osd_frame.h"

#include "device/blank_trim.h"

namespace vq72::osd {
namespace {

constexpr char kBlank = ' ';
constexpr char kFirstAttribute = '3';
constexpr char kSecondAttribute = '4';

// Only bytes the device shows as text may reach the field; anything else would break the
// command's framing (a DC3, CR or LF ends it early).
std::string printableOnly(const std::string& text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (c >= kBlank && c <= kHighestTextByte) kept.push_back(c);
    }
    return kept;
}

// Blanks after a centred text: half the free cells, an exact half rounded to the even neighbour.
std::size_t centredTrailing(std::size_t length) {
    const std::size_t free = kTextFieldWidth - length;
    std::size_t trailing = free / 2;
    if (free % 2 == 1 && trailing % 2 == 1) ++trailing;
    return trailing;
}

}  // namespace

std::string osdTextField(const std::string& text, TextAlign alignment) {
    std::string body = trimBlanks(printableOnly(text));
    // Callers keep the text within 20 characters; a longer one keeps the 20 that the chosen
    // side shows: the last 20 when right-aligned, the first 20 otherwise.
    if (body.size() > kTextFieldWidth) {
        body = alignment == TextAlign::Right ? body.substr(body.size() - kTextFieldWidth)
                                             : body.substr(0, kTextFieldWidth);
    }
    const std::size_t free = kTextFieldWidth - body.size();
    switch (alignment) {
        case TextAlign::Right:
            return std::string(free, kBlank) + body;
        case TextAlign::Centre: {
            const std::size_t trailing = centredTrailing(body.size());
            return std::string(free - trailing, kBlank) + body + std::string(trailing, kBlank);
        }
        case TextAlign::Left:
            break;
    }
    return body + std::string(free, kBlank);
}

std::string osdTextCommand(const std::string& text, const std::string& locationCode,
                           const std::string& colorCode, TextAlign alignment) {
    std::string command = kCommandWord;
    command += kDC4;
    command += osdTextField(text, alignment);
    command += locationCode;
    command += {kACK, kFirstAttribute, kACK, kSecondAttribute};
    command += colorCode;
    command += {kDC3, kCR, kLF};
    return command;
}

}  // namespace vq72::osd
