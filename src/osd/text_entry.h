// SPDX-License-Identifier: MIT
// The key filter of Text_input and the rules for text that reaches it other than by a typed key:
// only characters up to "z", letters upper-cased, at most 20 characters.
#pragma once

#include <string>

#include "window/control.h"

namespace vq72 {

class TextEntry {
public:
    static constexpr int kBackspace = 8;

    explicit TextEntry(const Control& Text_input) : Text_input_(Text_input) {}

    // A typed key: backspace passes; with a full box and no selection, or above "z", the code
    // becomes 0 (refused); letters become upper case. Codes below 32 pass for the view to
    // handle as editing keys.
    void Text_input_KeyPress(int& KeyAscii) const;

    // Text pasted, dropped or given by an input method or by code: control characters and
    // every byte above "z" (also each byte of a multi-byte UTF-8 sequence) are dropped and
    // letters upper-cased. The box cuts the result to its 20 characters afterwards.
    static std::string Text_input_Insert(const std::string& text);

private:
    const Control& Text_input_;
};

}  // namespace vq72
