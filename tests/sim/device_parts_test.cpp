// The simulator's reply material, screen and command line.
#include <gtest/gtest.h>

#include "sim/options.h"
#include "sim/replies.h"
#include "sim/screen.h"

namespace vq72::sim {
namespace {

TEST(Replies, HaveTheLengthsHostsRelyOn) {
    EXPECT_EQ(std::string(kReply), "VQ7240 CT-OK\r\n");
    EXPECT_EQ(std::string(kReply).size(), 14u);
    EXPECT_EQ(std::string(kShortReply).size(), 7u);
    EXPECT_EQ(std::string(kBanner).rfind("(C) Flarn VQ7240\r\n", 0), 0u);
}

TEST(Replies, NoiseHoldsNoCrAndNoTokenAndKeepsItsLength) {
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        std::mt19937 random(seed);
        const std::string burst = noiseBurst(random);
        ASSERT_GE(burst.size(), kFewestNoiseBytes);
        ASSERT_LE(burst.size(), kMostNoiseBytes);
        ASSERT_FALSE(looksLikeReply(burst)) << "seed " << seed;
    }
}

TEST(Replies, LooksLikeReplyFindsEveryToken) {
    for (const char* s : {"x\ry", "ab(C)", "VQ CT-OK", "BG001M", "Time=3", "BGERA", "BGERR"}) {
        EXPECT_TRUE(looksLikeReply(s)) << s;
    }
    EXPECT_FALSE(looksLikeReply("CT-O K (C Time BGER"));
}

TEST(Screen, CommandWithoutColourKeepsTheColoursShown) {
    Screen screen;
    screen.apply({"A", 2, 3, ColourScheme::BlackOnWhite});
    screen.apply({"B", 3, 1, ColourScheme::None});
    EXPECT_EQ(screen.text, "B");
    EXPECT_EQ(screen.row, 3);
    EXPECT_EQ(screen.column, 1);
    EXPECT_EQ(screen.colours, ColourScheme::BlackOnWhite);
    EXPECT_NE(renderScreen(screen).find("row 3 column 1, Black on White"), std::string::npos);
}

TEST(Options, ParsesEveryOption) {
    const auto parsed = parseOptions({"--link", "/tmp/p", "--log", "/tmp/l", "--pace",
                                      "--reply-delay", "40", "--silent", "--short", "--garbage",
                                      "--banner", "--notice", "BGERA", "--notice", "Time=1",
                                      "--vanish-after", "3", "--return-after", "500"});
    ASSERT_EQ(parsed.error, "");
    const Options& o = parsed.options;
    EXPECT_EQ(o.linkPath, "/tmp/p");
    EXPECT_EQ(o.logPath, "/tmp/l");
    EXPECT_TRUE(o.pace && o.silent && o.shortReply && o.garbage && o.banner);
    EXPECT_EQ(o.replyDelay.count(), 40);
    EXPECT_EQ(o.notices, (std::vector<std::string>{"BGERA", "Time=1"}));
    EXPECT_EQ(o.vanishAfter, 3);
    EXPECT_EQ(o.returnAfter->count(), 500);
}

TEST(Options, RejectsWhatItCannotUse) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--bogus"}, {"--link"}, {"--reply-delay", "soon"}, {"--vanish-after", "-1"},
             {"--return-after", "100"}}) {
        EXPECT_NE(parseOptions(args).error, "") << args[0];
    }
}

}  // namespace
}  // namespace vq72::sim
