// SPDX-License-Identifier: MIT
#include "cli/json_text.h"

#include "cli/terminal_text.h"

namespace vq72::cli {
namespace {

constexpr char32_t kFirstPrintable = 0x20;
constexpr char32_t kLastAscii = 0x7E;
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kFirstBeyondBmp = 0x10000;
constexpr char32_t kHighSurrogate = 0xD800;
constexpr char32_t kLowSurrogate = 0xDC00;
constexpr char kHexDigits[] = "0123456789abcdef";

void appendEscape(std::string& out, char32_t unit) {
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHexDigits[(unit >> shift) & 0xF];
}

void appendCharacter(std::string& out, char32_t c) {
    if (c == '"' || c == '\\') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c >= kFirstPrintable && c <= kLastAscii) {
        out += static_cast<char>(c);
    } else if (c == '\n') {
        out += "\\n";
    } else if (c == '\r') {
        out += "\\r";
    } else if (c == '\t') {
        out += "\\t";
    } else if (c < kFirstBeyondBmp) {
        appendEscape(out, c);
    } else {
        const char32_t above = c - kFirstBeyondBmp;
        appendEscape(out, kHighSurrogate + (above >> 10));
        appendEscape(out, kLowSurrogate + (above & 0x3FF));
    }
}

}  // namespace

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    while (!text.empty()) {
        const Utf8Character c = decodeUtf8(text);
        appendCharacter(out, c.bytes == 0 ? kReplacement : c.codePoint);
        text.remove_prefix(c.bytes == 0 ? 1 : c.bytes);
    }
    return out + "\"";
}

JsonObject& JsonObject::raw(std::string_view name, const std::string& value) {
    fields_ += fields_.empty() ? "{" : ",";
    fields_ += jsonString(name) + ":" + value;
    return *this;
}

JsonObject& JsonObject::field(std::string_view name, std::string_view text) {
    return raw(name, jsonString(text));
}

JsonObject& JsonObject::field(std::string_view name, int number) {
    return raw(name, std::to_string(number));
}

JsonObject& JsonObject::field(std::string_view name, bool value) {
    return raw(name, value ? "true" : "false");
}

JsonObject& JsonObject::field(std::string_view name, const std::optional<std::string>& text) {
    return text ? field(name, std::string_view(*text)) : raw(name, "null");
}

JsonObject& JsonObject::field(std::string_view name, std::optional<bool> value) {
    return value ? field(name, *value) : raw(name, "null");
}

}  // namespace vq72::cli
