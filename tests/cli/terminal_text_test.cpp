// Text from outside as the sender prints it: control characters escaped, characters counted.
#include "cli/terminal_text.h"

#include <gtest/gtest.h>

namespace vq72::cli {
namespace {

TEST(TerminalTextTest, ControlCharactersAndBrokenUtf8AreEscapedTheRestKept) {
    EXPECT_EQ(printable("a\x1b]0;t\x07"
                        "b\n\r\t\x7f"),
              "a\\x1B]0;t\\x07b\\n\\r\\t\\x7F");
    EXPECT_EQ(printable("\xc2\x9b"
                        "31m"),
              "\\u009B31m");  // CSI as a C1 control
    EXPECT_EQ(printable("x\x9b\xff\xc3"), "x\\x9B\\xFF\\xC3");
    EXPECT_EQ(printable("日本語 é ~"), "日本語 é ~");
}

TEST(TerminalTextTest, CountsCharactersNotBytes) {
    EXPECT_EQ(characterCount("日本語テキスト"), 7u);
    EXPECT_EQ(characterCount("ab\xff\xc3"), 4u);
    EXPECT_EQ(characterCount(""), 0u);
}

}  // namespace
}  // namespace vq72::cli
