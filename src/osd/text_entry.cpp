// SPDX-License-Identifier: MIT
#include "osd/text_entry.h"

#include "device/osd_frame.h"
#include "device/osd_text_filter.h"

namespace vq72 {

void TextEntry::Text_input_KeyPress(int& KeyAscii) const {
    if (KeyAscii == kBackspace) return;
    const bool full = Text_input_.text().size() >= osd::kTextFieldWidth;
    if (full && Text_input_.selectionLength() == 0) {
        KeyAscii = 0;
        return;
    }
    if (KeyAscii > osd::kHighestTextByte) {
        KeyAscii = 0;
        return;
    }
    KeyAscii = osd::upperCase(KeyAscii);
}

std::string TextEntry::Text_input_Insert(const std::string& text) {
    return osd::keepShowableText(text);
}

}  // namespace vq72
