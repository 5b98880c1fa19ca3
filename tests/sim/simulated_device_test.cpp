// The simulator on a real pseudo-terminal: what a host sees and what the device logs.
#include "sim/simulated_device.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "sim/frame_parser.h"
#include "sim/pty_host.h"
#include "sim/replies.h"
#include "support/scratch_folder.h"

namespace vq72::sim {
namespace {

using test::eventually;
using test::PtyHost;

const std::string kOsd = "CTT\x14" + std::string(20, ' ') +
                         "\x10"
                         "21\x06"
                         "3\x06"
                         "4\x13\r\n";

class SimulatedDeviceTest : public testing::Test {
protected:
    void TearDown() override { device_.reset(); }
    // A device published at link().
    SimulatedDevice& start(Options options = {}) {
        options.linkPath = link();
        device_ = std::make_unique<SimulatedDevice>(std::move(options));
        device_->start();
        return *device_;
    }
    std::string link() const { return folder_.path("port"); }

    vq72::test::ScratchFolder folder_;
    std::unique_ptr<SimulatedDevice> device_;
};

TEST_F(SimulatedDeviceTest, AnswersCtsAndOsdWithTheFullReplyAndShowsTheText) {
    SimulatedDevice& device = start();
    PtyHost host(link());
    ASSERT_TRUE(host.isOpen());
    host.write("CTS");
    EXPECT_EQ(host.readUntilContains("\n"), kReply);
    host.write(
        "CTT\x14"
        "HELLO               \x10"
        "32\x06"
        "3\x06"
        "4\x06"
        "7\x13\r\n");
    EXPECT_EQ(host.readUntilContains("\n"), kReply);
    const Screen screen = device.screen();
    EXPECT_EQ(screen.text, "HELLO               ");
    EXPECT_EQ(screen.row, 3);
    EXPECT_EQ(screen.column, 2);
    EXPECT_EQ(screen.colours, ColourScheme::WhiteOnBlack);
}

TEST_F(SimulatedDeviceTest, BadFrameGetsNoReplyAndTheLogFileMatchesTheLog) {
    Options options;
    options.logPath = folder_.path("log");
    SimulatedDevice& device = start(options);
    PtyHost host(link());
    host.write("cts");
    host.write("CTS");
    // The bad frame ends at the "C" of "CTS", so the first reply answers "CTS", not "cts".
    EXPECT_EQ(host.readUntilContains("\n"), kReply);
    ASSERT_TRUE(eventually([&] { return device.log().size() == 2; }));
    EXPECT_EQ(device.log(), (std::vector<std::string>{"BAD 63 74 73", "CTS 43 54 53"}));
    std::ifstream file(folder_.path("log"));
    std::string first, second;
    std::getline(file, first);
    std::getline(file, second);
    EXPECT_EQ(first, "BAD 63 74 73");
    EXPECT_EQ(second, "CTS 43 54 53");
}

}  // namespace
}  // namespace vq72::sim
