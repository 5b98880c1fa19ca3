// SPDX-License-Identifier: MIT
// The characters an OSD text may hold: up to "z", letters upper-cased. Used for text that reaches
// the window's text box other than by a typed key, and for the sender's TEXT.
#pragma once

#include <string>

namespace vq72::osd {

// Letters a..z as upper case; every other code unchanged.
int upperCase(int code);

// `text` without control characters and without any byte above "z" (also each byte of a
// multi-byte UTF-8 sequence), letters upper-cased. Does not cut to the text field's width.
std::string keepShowableText(const std::string& text);

}  // namespace vq72::osd
