// SPDX-License-Identifier: MIT
#include "cli/terminal_text.h"

namespace vq72::cli {
namespace {

constexpr char32_t kFirstPrintable = 0x20;
constexpr char32_t kDelete = 0x7F;
constexpr char32_t kLastC1Control = 0x9F;
constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;
constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

Utf8Character decodeUtf8(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return {1, lead};
    std::size_t bytes = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;  // a longer form of a smaller code point is not valid
    if ((lead & 0xE0) == 0xC0) {
        bytes = 2;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        bytes = 3;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        bytes = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return {};
    }
    if (text.size() < bytes) return {};
    for (std::size_t i = 1; i < bytes; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) return {};
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < smallest || codePoint > kLastCodePoint ||
        (codePoint >= kFirstSurrogate && codePoint <= kLastSurrogate)) {
        return {};
    }
    return {bytes, codePoint};
}

namespace {

// The bytes of the first character of `text` (not empty): a byte that is no valid UTF-8 is one.
std::size_t characterBytes(std::string_view text) {
    const std::size_t bytes = decodeUtf8(text).bytes;
    return bytes == 0 ? 1 : bytes;
}

bool isControl(char32_t c) {
    return c < kFirstPrintable || (c >= kDelete && c <= kLastC1Control);
}

void appendHex(std::string& out, unsigned value, int digits) {
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += kHexDigits[(value >> shift) & 0xF];
}

}  // namespace

std::string printable(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    while (!text.empty()) {
        const Utf8Character c = decodeUtf8(text);
        if (c.bytes == 0) {
            shown += "\\x";
            appendHex(shown, static_cast<unsigned char>(text[0]), 2);
            text.remove_prefix(1);
            continue;
        }
        if (!isControl(c.codePoint)) {
            shown += text.substr(0, c.bytes);
        } else if (c.codePoint == '\n') {
            shown += "\\n";
        } else if (c.codePoint == '\r') {
            shown += "\\r";
        } else if (c.codePoint == '\t') {
            shown += "\\t";
        } else if (c.codePoint <= kDelete) {
            shown += "\\x";
            appendHex(shown, c.codePoint, 2);
        } else {
            shown += "\\u";
            appendHex(shown, c.codePoint, 4);
        }
        text.remove_prefix(c.bytes);
    }
    return shown;
}

std::string shortened(std::string_view text) {
    std::size_t end = 0;
    for (std::size_t shown = 0; shown < kShownCharacters && end < text.size(); ++shown) {
        end += characterBytes(text.substr(end));
    }
    if (end == text.size()) return printable(text);
    return printable(text.substr(0, end)) + "...";
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (; !text.empty(); ++count) text.remove_prefix(characterBytes(text));
    return count;
}

}  // namespace vq72::cli
