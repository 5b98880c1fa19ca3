// Faults changed while the simulated device runs: each change holds from the next frame on.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "pty_host.h"
#include "sim/simulated_device.h"

namespace vq72::sim::test {
namespace {

TEST(FaultChangeTest, SilenceShortRepliesNoticesAndVanishingTakeEffectWhileRunning) {
    char pattern[] = "/tmp/vq72-fault-change-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    Options options;
    options.linkPath = std::string(pattern) + "/port";
    SimulatedDevice device(options);
    device.start();
    PtyHost host(options.linkPath);
    ASSERT_TRUE(host.isOpen());
    auto exchange = [&](const std::string& wanted) {
        host.write("CTS");
        return host.readUntilContains(wanted);
    };

    EXPECT_EQ(exchange("\n"), "VQ7240 CT-OK\r\n");

    Options faults;
    faults.shortReply = true;
    faults.notices = {"BGERR"};
    device.setFaults(faults);
    EXPECT_EQ(exchange("BGERR\r\n"), "CT-OK\r\nBGERR\r\n");

    faults = {};
    faults.silent = true;
    device.setFaults(faults);
    host.write("CTS");
    EXPECT_TRUE(host.readUntil([](const std::string& s) { return !s.empty(); },
                               std::chrono::milliseconds(300))
                    .empty());

    faults = {};
    faults.vanishAfter = 1;
    device.setFaults(faults);
    EXPECT_EQ(exchange("\n"), "VQ7240 CT-OK\r\n");
    EXPECT_TRUE(eventually([&] { return device.portPath().empty(); }));
    EXPECT_FALSE(std::filesystem::exists(options.linkPath));
    EXPECT_EQ(device.log().size(), 4u);
    device.stop();
    std::filesystem::remove_all(pattern);
}

}  // namespace
}  // namespace vq72::sim::test
