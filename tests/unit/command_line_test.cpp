#include "app/command_line.h"

#include <gtest/gtest.h>

namespace vq72 {
namespace {

struct SkipComCase {
    const char* commandLine;
    int expected;
};

class SkipComOption : public ::testing::TestWithParam<SkipComCase> {};

TEST_P(SkipComOption, GivesThePortOfItsFirstCharacter) {
    EXPECT_EQ(parseSkipCom(GetParam().commandLine), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, SkipComOption,
                         ::testing::Values(SkipComCase{"", -1}, SkipComCase{"skipcom 4", 4},
                                           SkipComCase{"  SkipCom   9  ", 9}, SkipComCase{"SKIPCOM12", 1},
                                           SkipComCase{"SKIPCOMX", 0}, SkipComCase{"SKIPCOM", -1},
                                           SkipComCase{"other SKIPCOM   ", -1},
                                           SkipComCase{"-x SKIPCOM 3 SKIPCOM 5", 3},
                                           SkipComCase{"SKIPCO 3", -1}));

}  // namespace
}  // namespace vq72
