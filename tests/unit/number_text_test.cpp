#include "app/number_text.h"

#include <gtest/gtest.h>

#include "platform/failure.h"

namespace vq72 {
namespace {

TEST(NumberText, ConvertsTagsAndSettingsTo16BitWithHalfToEvenRounding) {
    const std::pair<std::string, int> cases[] = {
        {" 3", 3}, {"3 ", 3}, {"12", 12}, {"-4", -4}, {"2.5", 2}, {"3.5", 4}, {"32767", 32767}};
    for (const auto& [text, value] : cases) EXPECT_EQ(toInteger16(text), value) << text;
}

TEST(NumberText, RejectsTextThatIsNotANumberAndValuesOutOfRange) {
    for (const std::string text : {"", " ", "abc", "3x", "0x10", ".", "1 2"}) {
        try {
            toInteger16(text);
            ADD_FAILURE() << "accepted \"" << text << "\"";
        } catch (const Failure& f) {
            EXPECT_EQ(f.number(), kTypeMismatch) << text;
        }
    }
    EXPECT_THROW(toInteger16("32768"), Failure);
    EXPECT_FALSE(numericValue("inf").has_value());
}

TEST(NumberText, WritesWholeNumbersWithABlankInPlaceOfThePlusSign) {
    EXPECT_EQ(blankPrefixed(3), " 3");
    EXPECT_EQ(blankPrefixed(16), " 16");
    EXPECT_EQ(blankPrefixed(0), " 0");
    EXPECT_EQ(blankPrefixed(-2), "-2");
}

}  // namespace
}  // namespace vq72
