// The simulator's reply material.
#include <gtest/gtest.h>

#include "sim/replies.h"

namespace vq72::sim {
namespace {

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
