// SPDX-License-Identifier: MIT
#include "cli/send_fields.h"

#include <array>
#include <charconv>

#include "cli/terminal_text.h"
#include "device/blank_trim.h"
#include "device/osd_frame.h"
#include "device/osd_text_filter.h"
#include "device/port_map.h"
#include "device/screen_position.h"

namespace vq72::cli {
namespace {

// Indexed like the window's position options.
constexpr std::array<const char*, osd::kPositionCount> kPositionNames{
    "top-left",     "top-center",  "top-right",     "middle-left", "middle-center",
    "middle-right", "bottom-left", "bottom-center", "bottom-right"};
constexpr std::array<const char*, osd::kColourSchemeCount> kColourNames{"white-on-black",
                                                                        "black-on-white"};

template <std::size_t N>
std::optional<int> indexOf(const std::array<const char*, N>& names, const std::string& name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (name == names[i]) return static_cast<int>(i);
    }
    return std::nullopt;
}

template <std::size_t N>
std::string oneOf(const std::array<const char*, N>& names) {
    std::string list;
    for (std::size_t i = 0; i < N; ++i)
        list += (i == 0 ? "" : i + 1 == N ? " or " : ", ") + std::string(names[i]);
    return list;
}

}  // namespace

std::optional<int> portNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < PortMap::kFirstPort || value > PortMap::kLastPort) return std::nullopt;
    return value;
}

std::optional<int> positionIndex(const std::string& name) {
    return indexOf(kPositionNames, name);
}

std::optional<int> colourIndex(const std::string& name) {
    return indexOf(kColourNames, name);
}

std::string positionNames() {
    return oneOf(kPositionNames);
}

std::string colourNames() {
    return oneOf(kColourNames);
}

std::string quoted(const std::string& value) {
    return "\"" + shortened(value) + "\"";
}

ShowableText showableText(const std::string& given) {
    ShowableText result;
    result.text = osd::keepShowableText(given);
    // What the filter keeps is ASCII: one byte a character.
    result.droppedCharacters = characterCount(given) - result.text.size();
    return result;
}

std::string textTooLong(const std::string& name, const std::string& given,
                        const ShowableText& text) {
    const std::string shown = trimBlanks(text.text);
    if (shown.size() <= osd::kTextFieldWidth) return {};
    return name + " " + quoted(given) + " has " + std::to_string(shown.size()) +
           " characters; the device shows at most " + std::to_string(osd::kTextFieldWidth);
}

std::string nothingToShow(const std::string& name, const std::string& given,
                          const ShowableText& text, const std::string& whatToDo) {
    if (!trimBlanks(text.text).empty()) return {};
    if (given.empty()) return name + " is empty" + whatToDo;
    if (text.droppedCharacters == 0)
        return name + " " + quoted(given) + " is only blanks" + whatToDo;
    return name + " " + quoted(given) + " has no character the device can show (" +
           std::to_string(text.droppedCharacters) + " left out)" + whatToDo;
}

}  // namespace vq72::cli
