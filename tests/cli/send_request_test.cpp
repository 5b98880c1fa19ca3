// The sender's command line: what each valid line asks for, and the bad ones, each refused
// with an error that names the argument at fault.
#include "cli/send_request.h"

#include <gtest/gtest.h>

namespace vq72::cli {
namespace {

using Args = std::vector<std::string>;

// A request in one line: mode, text, position, colour, port, device, timeout, characters left out.
std::string described(const SendRequest& r) {
    const char* modes[] = {"send", "dry-run", "simulate", "list-ports", "help"};
    return std::string(modes[static_cast<int>(r.mode)]) + " \"" + r.text + "\" position " +
           std::to_string(r.positionIndex) + " colour " +
           (r.colourIndex ? std::to_string(*r.colourIndex) : "-") + " port " +
           (r.port ? std::to_string(*r.port) : "-") + " device " +
           (r.device.empty() ? "-" : r.device) + " " + std::to_string(r.timeoutMs) + " ms, " +
           std::to_string(r.droppedCharacters) + " left out";
}

struct Valid {
    const char* name;
    Args arguments;
    std::string expected;
};

class ValidCommandLine : public testing::TestWithParam<Valid> {};

TEST_P(ValidCommandLine, AsksForWhatItSays) {
    const ParsedSendArguments parsed = parseSendArguments(GetParam().arguments);
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(described(parsed.request), GetParam().expected);
}

const std::string k20X(20, 'X');

INSTANTIATE_TEST_SUITE_P(
    Lines, ValidCommandLine,
    testing::Values(
        Valid{"TextAloneGoesTopCentreWithoutColour",
              {"hello"},
              "send \"HELLO\" position 1 colour - port - device - 3000 ms, 0 left out"},
        Valid{"AboveZAndControlCharactersDropped",
              {"a{b}\tc~\x7f"
               "d\x01"},
              "send \"ABCD\" position 1 colour - port - device - 3000 ms, 6 left out"},
        Valid{"LeftOutCountedInCharactersNotBytes",
              {"日本hello"},
              "send \"HELLO\" position 1 colour - port - device - 3000 ms, 2 left out"},
        Valid{"TwentyCharactersFit",
              {k20X},
              "send \"" + k20X + "\" position 1 colour - port - device - 3000 ms, 0 left out"},
        Valid{"BlankHasNoText",
              {"--blank", "--position", "middle-left"},
              "send \"\" position 3 colour - port - device - 3000 ms, 0 left out"},
        Valid{"EveryOption",
              {"--device", "/dev/x", "--position", "bottom-right", "--color", "black-on-white",
               "--timeout", "0.5", "AB"},
              "send \"AB\" position 8 colour 1 port - device /dev/x 500 ms, 0 left out"},
        Valid{"EqualsForm",
              {"--port=16", "--color=white-on-black", "--timeout=10", "X"},
              "send \"X\" position 1 colour 0 port 16 device - 10000 ms, 0 left out"},
        Valid{"DoubleDashEndsOptions",
              {"--", "--5"},
              "send \"--5\" position 1 colour - port - device - 3000 ms, 0 left out"},
        Valid{"DryRun",
              {"--dry-run", "--position", "top-left", "X"},
              "dry-run \"X\" position 0 colour - port - device - 3000 ms, 0 left out"},
        Valid{"Simulate",
              {"--simulate", "X"},
              "simulate \"X\" position 1 colour - port - device - 3000 ms, 0 left out"},
        Valid{"ListPorts",
              {"--list-ports"},
              "list-ports \"\" position 1 colour - port - device - 3000 ms, 0 left out"}),
    [](const testing::TestParamInfo<Valid>& info) { return std::string(info.param.name); });

struct Invalid {
    const char* name;
    Args arguments;
    std::string errorStart;  // names the argument at fault
};

class InvalidCommandLine : public testing::TestWithParam<Invalid> {};

TEST_P(InvalidCommandLine, IsRefusedNamingTheArgument) {
    const Invalid& v = GetParam();
    const ParsedSendArguments parsed = parseSendArguments(v.arguments);
    EXPECT_EQ(parsed.error.substr(0, v.errorStart.size()), v.errorStart) << parsed.error;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, InvalidCommandLine,
    testing::Values(
        Invalid{"NoText", {}, "TEXT missing"},
        Invalid{"TwoTexts", {"HELLO", "WORLD"}, "one TEXT only, not also \"WORLD\""},
        Invalid{"TooLong",
                {std::string(21, 'X')},
                "TEXT \"" + std::string(21, 'X') + "\" has 21 characters"},
        Invalid{"UnknownOption", {"--colour", "x", "X"}, "unknown option --colour"},
        Invalid{
            "PortZero", {"--port", "0", "X"}, "--port needs a port number from 1 to 16, not \"0\""},
        Invalid{
            "Port17", {"--port", "17", "X"}, "--port needs a port number from 1 to 16, not \"17\""},
        Invalid{"PortWithoutValue", {"--port"}, "--port needs a value"},
        Invalid{"BadPosition", {"--position", "centre", "X"}, "--position needs one of top-left,"},
        Invalid{"BadColour",
                {"--color", "red", "X"},
                "--color needs white-on-black or black-on-white, not \"red\""},
        Invalid{"ZeroTimeout", {"--timeout", "0", "X"}, "--timeout needs a number of seconds"},
        Invalid{"HugeTimeout", {"--timeout", "3601", "X"}, "--timeout needs a number of seconds"},
        Invalid{"PortAndDevice",
                {"--port", "1", "--device", "/dev/x", "X"},
                "--port and --device exclude each other"},
        Invalid{"BlankAndText", {"--blank", "X"}, "--blank sends blanks"},
        Invalid{"EmptyTextWouldClearTheDisplay",
                {""},
                "TEXT is empty: give a text to show, or --blank"},
        Invalid{"TextOfBlanksWouldClearTheDisplay", {"   "}, "TEXT \"   \" is only blanks"},
        Invalid{"EveryCharacterLeftOut",
                {"日本語テキスト"},
                "TEXT \"日本語テキスト\" has no character the device can show (7 left out): give a "
                "text to show, or --blank to clear the text"},
        Invalid{"ControlCharactersEscapedInTheMessage",
                {"\x1b]0;owned\x07" + std::string(20, 'X')},
                "TEXT \"\\x1B]0;owned\\x07XXXXXXXXXXXXXXXXXXXX\" has 28 characters"},
        Invalid{"ListPortsWithText", {"--list-ports", "X"}, "--list-ports takes no TEXT"}),
    [](const testing::TestParamInfo<Invalid>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vq72::cli
