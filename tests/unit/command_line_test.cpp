#include "lifecycle/command_line.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vq72 {
namespace {

struct SkipComCase {
    const char* name;
    const char* commandLine;
    int expected;
    friend void PrintTo(const SkipComCase& c, std::ostream* os) {
        *os << '"' << c.commandLine << "\" -> " << c.expected;
    }
};

class SkipComOption : public ::testing::TestWithParam<SkipComCase> {};

TEST_P(SkipComOption, GivesThePortOfItsFirstCharacter) {
    EXPECT_EQ(parseSkipCom(GetParam().commandLine), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, SkipComOption,
    ::testing::Values(SkipComCase{"Empty", "", -1},
                      SkipComCase{"LowerCaseWithBlank", "skipcom 4", 4},
                      SkipComCase{"TwoDigitsTakeTheFirst", "SKIPCOM12", 1},
                      SkipComCase{"LetterGivesZero", "SKIPCOMX", 0},
                      SkipComCase{"OnlyBlanksAfter", "other SKIPCOM   ", -1},
                      SkipComCase{"FirstOccurrenceCounts", "-x SKIPCOM 3 SKIPCOM 5", 3}),
    [](const ::testing::TestParamInfo<SkipComCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vq72
