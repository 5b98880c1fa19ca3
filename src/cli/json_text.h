// SPDX-License-Identifier: MIT
// The sender's machine-readable output (--json): one JSON object per line, its strings in
// plain ASCII whatever they hold, so that no byte of a path or a device's reply can break the
// line or the object.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vq72::cli {

// `text` as a JSON string, quotes included: '"' and '\' escaped, control characters and every
// character above ASCII as \uXXXX (two of them for one beyond U+FFFF), and a byte that is no
// valid UTF-8 as \uFFFD.
std::string jsonString(std::string_view text);

// One JSON object on one line, its fields in the order they are added.
class JsonObject {
public:
    JsonObject& field(std::string_view name, std::string_view text);
    JsonObject& field(std::string_view name, const std::string& text) {
        return field(name, std::string_view(text));
    }
    JsonObject& field(std::string_view name, const char* text) {
        return field(name, std::string_view(text));
    }
    JsonObject& field(std::string_view name, int number);
    JsonObject& field(std::string_view name, bool value);
    // null when there is none.
    JsonObject& field(std::string_view name, const std::optional<std::string>& text);
    JsonObject& field(std::string_view name, std::optional<bool> value);

    // "{"port":5,"name":"COM5"}".
    std::string text() const { return fields_.empty() ? "{}" : fields_ + "}"; }

private:
    JsonObject& raw(std::string_view name, const std::string& value);

    std::string fields_;
};

}  // namespace vq72::cli
