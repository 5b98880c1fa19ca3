// SPDX-License-Identifier: MIT
// The --json lines' strings: valid, plain-ASCII JSON whatever bytes they hold (the objects are
// proven with the listing and the batch).
#include "cli/json_text.h"

#include <gtest/gtest.h>

namespace vq72::cli {
namespace {

TEST(JsonText, EscapesQuotesControlsNonAsciiAndBrokenUtf8) {
    EXPECT_EQ(jsonString(" a\"b\\c/~\n\r\t\x01\x1b\x7f"),
              R"(" a\"b\\c/~\n\r\t\u0001\u001b\u007f")");
    // é, a C1 control, €, U+2028, an emoji beyond U+FFFF, a lone continuation byte, a cut
    // sequence and an over-long "/".
    EXPECT_EQ(jsonString("\xC3\xA9\xC2\x9B\xE2\x82\xAC\xE2\x80\xA8\xF0\x9F\x98\x80\x80\xE2\x82"
                         "\xC0\xAF"),
              R"("\u00e9\u009b\u20ac\u2028\ud83d\ude00\ufffd\ufffd\ufffd\ufffd\ufffd")");
}

}  // namespace
}  // namespace vq72::cli
