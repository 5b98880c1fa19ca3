#include <gtest/gtest.h>

#include <string>

#include "support/osd_rig.h"

namespace vq72 {
namespace {

struct KeyCase {
    const char* what;
    std::string boxText;
    int selection;
    int key;
    int expected;
};

TEST(TextInputKeyPress, FiltersAndUpperCasesTypedKeys) {
    const std::string full(20, 'A');
    const KeyCase cases[] = {
        {"lower-case letter becomes upper case", "", 0, 'a', 'A'},
        {"z is the last accepted character", "", 0, 'z', 'Z'},
        {"digit unchanged", "", 0, '7', '7'},
        {"open brace refused", "", 0, '{', 0},
        {"tilde refused", "", 0, '~', 0},
        {"DEL refused", "", 0, 127, 0},
        {"accented letter refused", "", 0, 0xE9, 0},
        {"clipboard shortcut passes for the view", "", 0, 22, 22},
        {"nineteen characters take one more", std::string(19, 'A'), 0, 'b', 'B'},
        {"full box refuses a letter", full, 0, 'b', 0},
        {"full box refuses a clipboard shortcut", full, 0, 22, 0},
        {"full box takes backspace", full, 0, 8, 8},
        {"full box with a selection lets a key replace it", full, 3, 'b', 'B'},
    };
    for (const KeyCase& c : cases) {
        test::OsdRig r;
        r.w.Text_input.setText(c.boxText);
        r.w.Text_input.setSelectionLength(c.selection);
        int key = c.key;
        r.entry.Text_input_KeyPress(key);
        EXPECT_EQ(key, c.expected) << c.what;
    }
}

TEST(TextInputInsert, PastedTextLosesControlCharactersAndEverythingAboveLowerZ) {
    const struct {
        const char* what;
        std::string pasted;
        std::string inserted;
    } cases[] = {
        {"control characters that would end the command",
         "A\x13"
         "B\r\nC\tD\x14",
         "ABCD"},
        {"lower case becomes upper case", "hello world", "HELLO WORLD"},
        {"the four symbols the label names, and DEL", "a{b}c|d~e\x7f", "ABCDE"},
        {"every byte of multi-byte UTF-8",
         "caf\xC3\xA9 \xE2\x82\xAC"
         "5",
         "CAF 5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextEntry::Text_input_Insert(c.pasted), c.inserted) << c.what;
    }
}

}  // namespace
}  // namespace vq72
