#include "device/number_text.h"

#include <gtest/gtest.h>

namespace vq72 {
namespace {

TEST(NumberText, ConvertsTagsAndSettingsTo16BitWithHalfToEvenRounding) {
    const std::pair<std::string, int> cases[] = {
        {" 3", 3}, {"3 ", 3}, {"12", 12}, {"-4", -4}, {"2.5", 2}, {"3.5", 4}, {"32767", 32767}};
    for (const auto& [text, value] : cases) EXPECT_EQ(toInteger16(text), value) << text;
}

}  // namespace
}  // namespace vq72
