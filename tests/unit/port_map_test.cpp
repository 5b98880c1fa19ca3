#include "device/port_map.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace vq72 {
namespace {

TEST(PortMap, EnvironmentEntriesThatCannotBeUsedAreLeftOutAndNamed) {
    const PortMap map = PortMap::parse("1 =/x,1=,=x,99=/dev/x,nothing,2=/dev/pts/7,16=/y");
    EXPECT_EQ(map.device(1), "");
    EXPECT_EQ(map.device(2), "/dev/pts/7");
    EXPECT_EQ(map.device(16), "/y");
    EXPECT_EQ(map.problems(),
              (std::vector<std::string>{
                  "VQ72_OSD_PORTS: \"1 =/x\" left out: \"1 \" is not a port number 1 to 16",
                  "VQ72_OSD_PORTS: \"1=\" left out: it names no device",
                  "VQ72_OSD_PORTS: \"=x\" left out: \"\" is not a port number 1 to 16",
                  "VQ72_OSD_PORTS: \"99=/dev/x\" left out: \"99\" is not a port number 1 to 16",
                  "VQ72_OSD_PORTS: \"nothing\" left out: an entry is N=DEVICE, N a port number 1 "
                  "to 16"}));
}

TEST(PortMap, StoredEntriesReplaceDefaultsAndBadOnesKeepTheDefault) {
    test::FakeSettingsBacking backing;
    const std::string section = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Flarn\\VQ72_OSD\\Ports\\";
    backing.values[section + "5"] = "/dev/serial/by-id/usb-A";
    backing.values[section + "6"] = "";
    backing.values[section + "17"] = "/dev/ttyUSB9";
    const PortMap map = PortMap::forRun(nullptr, backing);
    EXPECT_EQ(map.device(5), "/dev/serial/by-id/usb-A");
    EXPECT_EQ(map.device(6), "/dev/ttyUSB1");
    EXPECT_EQ(map.device(1), "/dev/ttyS0");
    EXPECT_EQ(map.problems().size(), 2u);
    EXPECT_EQ(map.problems().front(),
              "[Ports]: \"17=/dev/ttyUSB9\" left out: \"17\" is not a port number 1 to 16");
    EXPECT_TRUE(backing.writes.empty());
}

}  // namespace
}  // namespace vq72
