// Which port the sender uses and how it names it in messages, and the words of each ending.
#include "cli/send_target.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace vq72::cli {
namespace {

const std::string kComPortPath = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Flarn\\VQ72_OSD\\FormInit\\ComPort";

struct Case {
    const char* name;
    std::vector<std::string> arguments;
    const char* environment;
    std::optional<std::string> savedComPort;
    std::string label;  // empty: no target
};

class TargetCases : public testing::TestWithParam<Case> {};

TEST_P(TargetCases, PickThePortAndNameIt) {
    const Case& c = GetParam();
    test::FakeSettingsBacking settings;
    if (c.savedComPort) settings.values[kComPortPath] = *c.savedComPort;
    const SendRequest request = parseSendArguments(c.arguments).request;
    const ResolvedTarget resolved = resolveTarget(request, c.environment, settings);
    if (c.label.empty()) {
        EXPECT_FALSE(resolved.target);
        EXPECT_NE(resolved.error.find("--port N or --device PATH"), std::string::npos);
    } else {
        ASSERT_TRUE(resolved.target) << resolved.error;
        EXPECT_EQ(resolved.target->label(), c.label);
    }
    EXPECT_TRUE(settings.writes.empty()) << "the sender never writes settings";
}

INSTANTIATE_TEST_SUITE_P(
    Targets, TargetCases,
    testing::Values(
        Case{"DeviceIsUsedAsGiven",
             {"--device", "/dev/ttyUSB3", "X"},
             "1=/dev/pts/1",
             " 1",
             "/dev/ttyUSB3"},
        Case{"PortThroughTheEnvironmentMap",
             {"--port", "2", "X"},
             "2=/dev/pts/7",
             {},
             "COM2 (/dev/pts/7)"},
        Case{"PortThroughTheDefaultMap", {"--port", "5", "X"}, nullptr, {}, "COM5 (/dev/ttyUSB0)"},
        Case{"SavedPortWhenNoneGiven", {"X"}, "4=/dev/pts/2", " 4", "COM4 (/dev/pts/2)"},
        Case{"NothingSaved", {"X"}, nullptr, {}, ""},
        Case{"SavedPortOutOfRange", {"X"}, nullptr, " 0", ""}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vq72::cli
