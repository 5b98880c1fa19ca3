// Which replies acknowledge a command: only a whole line holding "CT-OK", however the bytes
// are cut into reads, and never noise, the banner or a line still unfinished.
#include "cli/acknowledgement_watch.h"

#include <gtest/gtest.h>

namespace vq72::cli {
namespace {

struct Replies {
    const char* name;
    std::vector<std::string> reads;
    bool acknowledged;
};

class AcknowledgementCases : public testing::TestWithParam<Replies> {};

TEST_P(AcknowledgementCases, AreJudgedByWholeLines) {
    AcknowledgementWatch watch;
    for (const auto& bytes : GetParam().reads) watch.take(bytes);
    EXPECT_EQ(watch.acknowledged(), GetParam().acknowledged);
}

INSTANTIATE_TEST_SUITE_P(
    Reads, AcknowledgementCases,
    testing::Values(Replies{"FullReply", {"VQ7240 CT-OK\r\n"}, true},
                    Replies{"ByteByByte", {"C", "T", "-", "O", "K", "\r"}, true},
                    Replies{"AfterNoiseOnTheSameLine", {"\x01\xfe#%noise", "CT-OK\r"}, true},
                    Replies{"TokenCutFromAFlood", {"CT-OK" + std::string(200, 'x') + "\r"}, false},
                    Replies{"TokenAtTheEndOfAFlood", {std::string(5000, 'x') + "CT-OK\r"}, true}),
    [](const testing::TestParamInfo<Replies>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vq72::cli
