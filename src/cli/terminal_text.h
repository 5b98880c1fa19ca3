// SPDX-License-Identifier: MIT
// Text from outside (a TEXT, a path, a process name) as the sender may print it: control
// characters could retitle or recolour the user's terminal, so they are shown escaped; a long
// field is cut; and lengths counted as the user sees them, in characters rather than bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vq72::cli {

// `text` with every control character (C0, DEL, C1) and every byte that is no valid UTF-8 shown
// as an escape: "\n", "\r", "\t", "\x1B", "\u009B". Everything else stays as it is.
std::string printable(std::string_view text);

struct Utf8Character {
    std::size_t bytes = 0;  // 0: the first byte starts no valid UTF-8 sequence
    char32_t codePoint = 0;
};

// The UTF-8 character at the start of `text` (not empty).
Utf8Character decodeUtf8(std::string_view text);

// How many characters of a field a message shows.
inline constexpr std::size_t kShownCharacters = 40;

// printable() of the first kShownCharacters characters of `text`, and "..." when it has more.
std::string shortened(std::string_view text);

// The number of characters of UTF-8 `text`; a byte that is no valid UTF-8 counts as one.
std::size_t characterCount(std::string_view text);

}  // namespace vq72::cli
