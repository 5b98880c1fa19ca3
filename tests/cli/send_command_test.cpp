// The bytes the sender writes, against worked examples of the OSD text command.
#include "cli/send_command.h"

#include <gtest/gtest.h>

namespace vq72::cli {
namespace {

std::string repeat(const char* hex, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += std::string(hex) + " ";
    return out;
}

struct Example {
    const char* name;
    std::vector<std::string> arguments;
    std::string hex;
    std::size_t length;
};

class DryRunBytes : public testing::TestWithParam<Example> {};

TEST_P(DryRunBytes, MatchTheWorkedExample) {
    const Example& e = GetParam();
    const ParsedSendArguments parsed = parseSendArguments(e.arguments);
    ASSERT_EQ(parsed.error, "");
    const std::string command = osdCommandFor(parsed.request);
    EXPECT_EQ(command.size(), e.length);
    EXPECT_EQ(hexBytes(command), e.hex);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DryRunBytes,
    testing::Values(
        Example{"HelloTopCentreWhiteOnBlack",
                {"--dry-run", "--color", "white-on-black", "HELLO"},
                "43 54 54 14 " + repeat("20", 7) + "48 45 4C 4C 4F " + repeat("20", 8) +
                    "10 31 32 06 33 06 34 06 37 13 0D 0A",
                36},
        Example{"BlankMiddleLeftWithoutColour",
                {"--dry-run", "--blank", "--position", "middle-left"},
                "43 54 54 14 " + repeat("20", 20) + "10 32 31 06 33 06 34 13 0D 0A",
                34},
        Example{"PaddedAbBottomRightBlackOnWhite",
                {"--dry-run", "--position", "bottom-right", "--color", "black-on-white", "  AB "},
                "43 54 54 14 " + repeat("20", 18) + "41 42 10 33 33 06 33 06 34 06 38 13 0D 0A",
                36},
        Example{"LowerCaseTypedLeftIsUpperCaseLeft",
                {"--dry-run", "--position", "top-left", "ab"},
                "43 54 54 14 41 42 " + repeat("20", 18) + "10 31 31 06 33 06 34 13 0D 0A",
                34}),
    [](const testing::TestParamInfo<Example>& info) { return std::string(info.param.name); });

TEST(HexBytesTest, WritesEveryByteAsTwoUpperCaseDigits) {
    EXPECT_EQ(hexBytes(std::string("\x00\x0a\xff", 3)), "00 0A FF");
    EXPECT_EQ(hexBytes(""), "");
}

}  // namespace
}  // namespace vq72::cli
