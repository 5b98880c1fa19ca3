// SPDX-License-Identifier: MIT
// The sender's command line: what each valid line asks for and the bad ones refused naming
// the argument at fault, the port it picks and the bytes it writes.
#include "cli/send_request.h"
#include "cli/send_target.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace vq72::cli {
namespace {

using Args = std::vector<std::string>;

// A request in one line: mode, text, position, colour, port, device, timeout, characters left out.
std::string described(const SendRequest& r) {
    const char* modes[] = {"send", "dry-run", "simulate", "list-ports", "help", "batch", "version"};
    return std::string(modes[static_cast<int>(r.mode)]) + " \"" + r.text + "\" position " +
           std::to_string(r.positionIndex) + " colour " +
           (r.colourIndex ? std::to_string(*r.colourIndex) : "-") + " port " +
           (r.port ? std::to_string(*r.port) : "-") + " device " +
           (r.device.empty() ? "-" : r.device) + " " + std::to_string(r.timeoutMs) + " ms, " +
           std::to_string(r.droppedCharacters) + " left out";
}

const std::string k20X(20, 'X');

TEST(SendRequest, AValidLineAsksForWhatItSays) {
    const std::string plain = " position 1 colour - port - device - 3000 ms, 0 left out";
    const struct {
        Args arguments;
        std::string expected;
    } cases[] = {{{"a{b}\tc~\x7f"
                   "d\x01"},
                  "send \"ABCD\" position 1 colour - port - device - 3000 ms, 6 left out"},
                 {{k20X}, "send \"" + k20X + "\"" + plain},
                 {{"--blank", "--position", "middle-left"},
                  "send \"\" position 3 colour - port - device - 3000 ms, 0 left out"},
                 {{"--device", "/dev/x", "--position", "bottom-right", "--color", "black-on-white",
                   "--timeout", "0.5", "AB"},
                  "send \"AB\" position 8 colour 1 port - device /dev/x 500 ms, 0 left out"},
                 {{"--port=16", "--color=white-on-black", "--timeout=10", "X"},
                  "send \"X\" position 1 colour 0 port 16 device - 10000 ms, 0 left out"},
                 {{"--", "--5"}, "send \"--5\"" + plain},
                 {{"--dry-run", "--position", "top-left", "X"},
                  "dry-run \"X\" position 0 colour - port - device - 3000 ms, 0 left out"},
                 {{"--simulate", "X"}, "simulate \"X\"" + plain},
                 {{"--list-ports", "--json", "--trace"}, "list-ports \"\"" + plain},
                 {{"--batch", "-", "--dry-run", "--json"}, "batch \"\"" + plain},
                 {{"--version"}, "version \"\"" + plain}};
    for (const auto& c : cases) {
        const ParsedSendArguments parsed = parseSendArguments(c.arguments);
        EXPECT_EQ(parsed.error, "") << c.expected;
        EXPECT_EQ(described(parsed.request), c.expected);
    }
}

TEST(SendRequest, ABadLineIsRefusedNamingTheArgument) {
    const struct {
        Args arguments;
        std::string errorStart;
    } cases[] = {
        {{}, "TEXT missing"},
        {{"HELLO", "WORLD"}, "one TEXT only, not also \"WORLD\""},
        {{std::string(21, 'X')}, "TEXT \"" + std::string(21, 'X') + "\" has 21 characters"},
        {{"--colour", "x", "X"}, "unknown option --colour"},
        {{"--port", "17", "X"}, "--port needs a port number from 1 to 16, not \"17\""},
        {{"--port", "2x", "X"}, "--port needs a port number from 1 to 16, not \"2x\""},
        {{"--port"}, "--port needs a value"},
        {{"--position", "centre", "X"}, "--position needs one of top-left,"},
        {{"--color", "red", "X"}, "--color needs white-on-black or black-on-white, not \"red\""},
        {{"--timeout", "3601", "X"}, "--timeout needs a number of seconds"},
        {{"--port", "1", "--device", "/dev/x", "X"}, "--port and --device exclude each other"},
        {{"--blank", "X"}, "--blank sends blanks"},
        {{""}, "TEXT is empty: give a text to show, or --blank"},
        {{"   "}, "TEXT \"   \" is only blanks"},
        {{"日本語テキスト"},
         "TEXT \"日本語テキスト\" has no character the device can show (7 left out): give a "
         "text to show, or --blank to clear the text"},
        {{"\x1b]0;owned\x07" + std::string(20, 'X')},
         "TEXT \"\\x1B]0;owned\\x07XXXXXXXXXXXXXXXXXXXX\" has 28 characters"},
        {{"--list-ports", "X"}, "--list-ports takes no TEXT"},
        {{"--probe", "X"}, "--probe goes with --list-ports only"},
        {{"--json", "--dry-run", "X"}, "--json goes with --list-ports or --batch only"},
        {{"--batch", "f", "--position", "top-left"}, "--batch excludes TEXT, --port,"}};
    for (const auto& c : cases) {
        const ParsedSendArguments parsed = parseSendArguments(c.arguments);
        EXPECT_EQ(parsed.error.substr(0, c.errorStart.size()), c.errorStart) << parsed.error;
    }
}

// Which port the sender uses and how it names it in messages, and the words of each ending.
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
                 {"default map", {"--port", "16", "X"}, nullptr, {}, "COM16 (/dev/ttyS7)"},
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
