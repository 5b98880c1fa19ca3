// SPDX-License-Identifier: MIT
// The values the sender takes from outside, on its command line and in a batch file: port
// numbers, position and colour names, and the text as typed keys would leave it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace vq72::cli {

// "5" as port 5; nothing for anything but a port number 1 to 16.
std::optional<int> portNumber(const std::string& text);

// A position name ("top-left" ... "bottom-right") as the window's position index 0..8.
std::optional<int> positionIndex(const std::string& name);
// A colour name ("white-on-black", "black-on-white") as the window's colour index 0..1.
std::optional<int> colourIndex(const std::string& name);
// "top-left, top-center, ... or bottom-right", for help texts and messages.
std::string positionNames();
std::string colourNames();

// The given text quoted for a message, its control characters escaped, a long one cut
// (shortened()).
std::string quoted(const std::string& value);

struct ShowableText {
    std::string text;                   // what the device gets: filtered like typed keys
    std::size_t droppedCharacters = 0;  // characters the filter refused
};

ShowableText showableText(const std::string& given);

// Why a text cannot be shown, or empty when it can. `name` names it in the message ("TEXT").
// More than the text field's 20 characters left after the filter:
std::string textTooLong(const std::string& name, const std::string& given,
                        const ShowableText& text);
// A text that would clear the display (empty, only blanks, or nothing the device can show);
// `whatToDo` ends the message.
std::string nothingToShow(const std::string& name, const std::string& given,
                          const ShowableText& text, const std::string& whatToDo);

}  // namespace vq72::cli
