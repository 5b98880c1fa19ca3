// Which replies acknowledge a command: only a whole line holding "CT-OK", however the bytes
// are cut into reads, and never noise, the banner or a line still unfinished.
#include "cli/acknowledgement_watch.h"

#include <gtest/gtest.h>

namespace vq72::cli {
namespace {

TEST(AcknowledgementWatch, JudgesWholeLines) {
    const struct {
        const char* name;
        std::vector<std::string> reads;
        bool acknowledged;
    } cases[] = {{"full reply", {"VQ7240 CT-OK\r\n"}, true},
                 {"byte by byte", {"C", "T", "-", "O", "K", "\r"}, true},
                 {"after noise on the same line", {"\x01\xfe#%noise", "CT-OK\r"}, true},
                 {"token cut from a flood", {"CT-OK" + std::string(200, 'x') + "\r"}, false},
                 {"token at the end of a flood", {std::string(5000, 'x') + "CT-OK\r"}, true}};
    for (const auto& c : cases) {
        AcknowledgementWatch watch;
        for (const auto& bytes : c.reads) watch.take(bytes);
        EXPECT_EQ(watch.acknowledged(), c.acknowledged) << c.name;
    }
}

}  // namespace
}  // namespace vq72::cli
