#include "sim/frame_parser.h"

#include <gtest/gtest.h>

#include "sim/frame_log.h"

namespace vq72::sim {
namespace {

const std::string kText = "       HELLO        ";
const std::string kShortOsd = "CTT\x14" + kText +
                              "\x10"
                              "12\x06"
                              "3\x06"
                              "4\x13\r\n";
const std::string kLongOsd = "CTT\x14" + kText +
                             "\x10"
                             "33\x06"
                             "3\x06"
                             "4\x06"
                             "8\x13\r\n";

std::vector<Frame> feedAll(FrameParser& parser, const std::string& bytes) {
    std::vector<Frame> frames;
    for (const char c : bytes) {
        for (Frame& f : parser.feed(c)) frames.push_back(std::move(f));
    }
    return frames;
}

TEST(FrameParser, AcceptsCtsAndBothLengthsOfTheOsdCommand) {
    FrameParser parser;
    const auto frames = feedAll(parser, "CTS" + kShortOsd + kLongOsd);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].kind, FrameKind::Cts);
    EXPECT_EQ(frames[1].kind, FrameKind::Osd);
    EXPECT_EQ(frames[1].bytes.size(), 34u);
    EXPECT_EQ(frames[1].osd.text, kText);
    EXPECT_EQ(frames[1].osd.row, 1);
    EXPECT_EQ(frames[1].osd.column, 2);
    EXPECT_EQ(frames[1].osd.colours, ColourScheme::None);
    EXPECT_EQ(frames[2].bytes.size(), 36u);
    EXPECT_EQ(frames[2].osd.row, 3);
    EXPECT_EQ(frames[2].osd.column, 3);
    EXPECT_EQ(frames[2].osd.colours, ColourScheme::BlackOnWhite);
    EXPECT_FALSE(parser.busy());
}

struct BadByte {
    const char* name;
    std::size_t at;  // offset in the long OSD command (or in "CTS")
    char byte;
};

class FrameParserBadByte : public testing::TestWithParam<BadByte> {};

// Each class of position with a wrong byte: the frame up to the next "C" is one bad frame, and
// the "CTS" that follows is still recognised.
TEST_P(FrameParserBadByte, MakesTheFrameBadAndResynchronisesAtTheNextC) {
    const BadByte& bad = GetParam();
    std::string frame = kLongOsd.substr(0, bad.at) + bad.byte;
    FrameParser parser;
    const auto frames = feedAll(parser, frame + "\x01\x02" + "CTS");
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].kind, FrameKind::Bad);
    EXPECT_EQ(frames[0].bytes, frame + "\x01\x02");
    EXPECT_EQ(frames[1].kind, FrameKind::Cts);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPositionClass, FrameParserBadByte,
    testing::Values(BadByte{"UnknownCommand", 2, 'X'}, BadByte{"TextAboveZ", 10, '{'},
                    BadByte{"ColumnFour", 26, '4'}, BadByte{"ColourDigit", 32, '9'},
                    BadByte{"NoLf", 35, '\r'}),
    [](const testing::TestParamInfo<BadByte>& info) { return std::string(info.param.name); });

TEST(FrameParser, CutReturnsAnUnfinishedFrameAsBadAndNothingWhenIdle) {
    FrameParser parser;
    EXPECT_FALSE(parser.cut().has_value());
    EXPECT_TRUE(feedAll(parser, kLongOsd.substr(0, 35)).empty());
    const auto cut = parser.cut();
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(cut->kind, FrameKind::Bad);
    EXPECT_EQ(cut->bytes, kLongOsd.substr(0, 35));
    EXPECT_FALSE(parser.busy());
}

TEST(FrameLog, WritesKindAndUpperCaseHexBytes) {
    EXPECT_EQ(formatLogLine({FrameKind::Cts, "CTS", {}}), "CTS 43 54 53");
    EXPECT_EQ(formatLogLine({FrameKind::Bad, std::string("\x0a\xff", 2), {}}), "BAD 0A FF");
    EXPECT_EQ(formatLogLine({FrameKind::Osd, kLongOsd, {}}).substr(0, 15), "OSD 43 54 54 14");
}

}  // namespace
}  // namespace vq72::sim
