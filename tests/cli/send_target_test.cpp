// Which port the sender uses and how it names it in messages, and the words of each ending.
#include "cli/send_target.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace vq72::cli {
namespace {

const std::string kComPortPath = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Flarn\\VQ72_OSD\\FormInit\\ComPort";

TEST(SendTarget, PicksThePortAndNamesIt) {
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        const char* environment;
        std::optional<std::string> savedComPort;
        std::string label;  // empty: no target
    } cases[] = {{"device as given",
                  {"--device", "/dev/ttyUSB3", "X"},
                  "1=/dev/pts/1",
                  " 1",
                  "/dev/ttyUSB3"},
                 {"environment map", {"--port", "2", "X"}, "2=/dev/pts/7", {}, "COM2 (/dev/pts/7)"},
                 {"default map", {"--port", "5", "X"}, nullptr, {}, "COM5 (/dev/ttyUSB0)"},
                 {"saved port", {"X"}, "4=/dev/pts/2", " 4", "COM4 (/dev/pts/2)"},
                 {"nothing saved", {"X"}, nullptr, {}, ""},
                 {"saved port out of range", {"X"}, nullptr, " 0", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
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
}

}  // namespace
}  // namespace vq72::cli
