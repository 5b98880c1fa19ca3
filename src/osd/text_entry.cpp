#include "osd/text_entry.h"

#include "osd/osd_frame.h"

namespace vq72 {
namespace {

constexpr char kFirstPrintable = ' ';

int upperCase(int code) {
    return code >= 'a' && code <= 'z' ? code - 'a' + 'A' : code;
}

}  // namespace

void TextEntry::Text_input_KeyPress(int& KeyAscii) const {
    if (KeyAscii == kBackspace) return;
    const bool full = w_.Text_input.text().size() >= osd::kTextFieldWidth;
    if (full && w_.Text_input.selectionLength() == 0) {
        KeyAscii = 0;
        return;
    }
    if (KeyAscii > osd::kHighestTextByte) {
        KeyAscii = 0;
        return;
    }
    KeyAscii = upperCase(KeyAscii);
}

std::string TextEntry::Text_input_Insert(const std::string& text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        // Bytes of multi-byte UTF-8 sequences fall below 0 where char is signed, above "z"
        // otherwise: either way they are dropped.
        if (c < kFirstPrintable || c > osd::kHighestTextByte) continue;
        kept.push_back(static_cast<char>(upperCase(c)));
    }
    return kept;
}

}  // namespace vq72
