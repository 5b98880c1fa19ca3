// The simulator's reply material.
#include <gtest/gtest.h>

#include "sim/replies.h"

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

}  // namespace
}  // namespace vq72::sim
