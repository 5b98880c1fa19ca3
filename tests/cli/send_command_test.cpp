// The bytes the sender writes for a command line; the frame itself is proven with the framing.
#include "cli/send_command.h"

#include <gtest/gtest.h>

namespace vq72::cli {
namespace {

TEST(SendCommandTest, ArgumentsChooseTextPlaceAndColourOfTheFrame) {
    const ParsedSendArguments parsed = parseSendArguments(
        {"--dry-run", "--position", "bottom-right", "--color", "black-on-white", "  ab "});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(hexBytes(osdCommandFor(parsed.request)),
              "43 54 54 14 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 41 42 "
              "10 33 33 06 33 06 34 06 38 13 0D 0A");
    EXPECT_EQ(hexBytes(std::string("\x00\x0a\xff", 3)), "00 0A FF");
}

}  // namespace
}  // namespace vq72::cli
