#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/osd_frame.h"

namespace vq72 {
namespace {

using osd::osdTextCommand;
using osd::osdTextField;

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

const std::string kHead = bytes({0x43, 0x54, 0x54, 0x14});
const std::string kAttributes = bytes({0x06, 0x33, 0x06, 0x34});
const std::string kEnd = bytes({0x13, 0x0D, 0x0A});

TEST(OsdFrame, HelloCentredTopCenterWhiteOnBlack) {
    const std::string expected = kHead + blanks(7) + bytes({0x48, 0x45, 0x4C, 0x4C, 0x4F}) +
                                 blanks(8) + bytes({0x10, 0x31, 0x32}) + kAttributes +
                                 bytes({0x06, 0x37}) + kEnd;
    const std::string command =
        osdTextCommand("HELLO", bytes({0x10, '1', '2'}), bytes({0x06, '7'}), TextAlign::Centre);
    EXPECT_EQ(command, expected);
    EXPECT_EQ(command.size(), 36u);
}

TEST(OsdFrame, BlankMiddleLeftWithoutColourIs34Bytes) {
    const std::string expected =
        kHead + blanks(20) + bytes({0x10, 0x32, 0x31}) + kAttributes + kEnd;
    const std::string command = osdTextCommand("", bytes({0x10, '2', '1'}), "", TextAlign::Left);
    EXPECT_EQ(command, expected);
    EXPECT_EQ(command.size(), 34u);
}

TEST(OsdFrame, OuterBlanksTrimmedRightAlignedBottomRightBlackOnWhite) {
    const std::string expected = kHead + blanks(18) + bytes({0x41, 0x42}) +
                                 bytes({0x10, 0x33, 0x33}) + kAttributes + bytes({0x06, 0x38}) +
                                 kEnd;
    EXPECT_EQ(
        osdTextCommand("  AB ", bytes({0x10, '3', '3'}), bytes({0x06, '8'}), TextAlign::Right),
        expected);
}

TEST(OsdFrame, CentringFollowsTheTableForEveryLength) {
    // leading blanks for L = 0..20; trailing = 20 - L - leading
    const std::vector<std::size_t> leading{10, 9, 9, 9, 8, 7, 7, 7, 6, 5, 5,
                                           5,  4, 3, 3, 3, 2, 1, 1, 1, 0};
    for (std::size_t length = 0; length <= 20; ++length) {
        const std::string text(length, 'X');
        const std::string expected =
            blanks(leading[length]) + text + blanks(20 - length - leading[length]);
        EXPECT_EQ(osdTextField(text, TextAlign::Centre), expected) << "length " << length;
    }
}

TEST(OsdFrame, LeftAndRightAlignmentPadTheOtherSide) {
    EXPECT_EQ(osdTextField("ABC", TextAlign::Left), "ABC" + blanks(17));
    EXPECT_EQ(osdTextField("ABC", TextAlign::Right), blanks(17) + "ABC");
}

TEST(OsdFrame, InnerBlanksStay) {
    EXPECT_EQ(osdTextField(" A  B ", TextAlign::Left), "A  B" + blanks(16));
}

TEST(OsdFrame, FieldNeverHoldsBytesOutsideBlankToLowerZ) {
    const std::string dirty = bytes({'\t', 'A', 0x13, 0x0D, 0x0A, 'B', '{', '~', 0x7F, 0xC3, 0xA9});
    EXPECT_EQ(osdTextField(dirty, TextAlign::Left), "AB" + blanks(18));
    // A blank that only a dropped byte kept inside the text is an outer blank after all.
    EXPECT_EQ(osdTextField("\t A", TextAlign::Right), blanks(19) + "A");
}

}  // namespace
}  // namespace vq72
