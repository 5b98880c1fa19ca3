// The sender's command line: what each valid line asks for, and the bad ones, each refused
// with an error that names the argument at fault.
#include "cli/send_request.h"

#include <gtest/gtest.h>

namespace vq72::cli {
namespace {

using Mode = SendRequest::Mode;
using Args = std::vector<std::string>;

// What a valid line should ask for: the defaults, but for what the row names.
SendRequest request(Mode mode, std::string text = "", int positionIndex = 1,
                    std::optional<int> colourIndex = {}, std::optional<int> port = {},
                    std::string device = "", int timeoutMs = 3000) {
    SendRequest r;
    r.mode = mode;
    r.text = std::move(text);
    r.positionIndex = positionIndex;
    r.colourIndex = colourIndex;
    r.port = port;
    r.device = std::move(device);
    r.timeoutMs = timeoutMs;
    return r;
}

SendRequest leavingOut(SendRequest r, std::size_t characters) {
    r.droppedCharacters = characters;
    return r;
}

struct Valid {
    const char* name;
    Args arguments;
    SendRequest expected;
};

class ValidCommandLine : public testing::TestWithParam<Valid> {};

TEST_P(ValidCommandLine, AsksForWhatItSays) {
    const Valid& v = GetParam();
    const ParsedSendArguments parsed = parseSendArguments(v.arguments);
    ASSERT_EQ(parsed.error, "");
    const SendRequest& r = parsed.request;
    const SendRequest& e = v.expected;
    EXPECT_EQ(r.mode, e.mode);
    EXPECT_EQ(r.text, e.text);
    EXPECT_EQ(r.positionIndex, e.positionIndex);
    EXPECT_EQ(r.colourIndex, e.colourIndex);
    EXPECT_EQ(r.port, e.port);
    EXPECT_EQ(r.device, e.device);
    EXPECT_EQ(r.timeoutMs, e.timeoutMs);
    EXPECT_EQ(r.droppedCharacters, e.droppedCharacters);
}

const std::string k20X(20, 'X');

INSTANTIATE_TEST_SUITE_P(
    Lines, ValidCommandLine,
    testing::Values(
        Valid{"TextAloneGoesTopCentreWithoutColour", {"HELLO"}, request(Mode::Send, "HELLO")},
        Valid{"LettersUpperCased", {"hello"}, request(Mode::Send, "HELLO")},
        Valid{"AboveZAndControlCharactersDropped",
              {"a{b}\tc~\x7f"
               "d\x01"},
              leavingOut(request(Mode::Send, "ABCD"), 6)},
        Valid{"LeftOutCountedInCharactersNotBytes",
              {"日本hello"},
              leavingOut(request(Mode::Send, "HELLO"), 2)},
        Valid{"TwentyCharactersFit", {k20X}, request(Mode::Send, k20X)},
        Valid{
            "BlankHasNoText", {"--blank", "--position", "middle-left"}, request(Mode::Send, "", 3)},
        Valid{"EveryOption",
              {"--port", "5", "--position", "bottom-right", "--color", "black-on-white",
               "--timeout", "0.5", "AB"},
              request(Mode::Send, "AB", 8, 1, 5, "", 500)},
        Valid{"EqualsForm",
              {"--port=16", "--color=white-on-black", "--timeout=10", "X"},
              request(Mode::Send, "X", 1, 0, 16, "", 10000)},
        Valid{"DoubleDashEndsOptions", {"--", "--5"}, request(Mode::Send, "--5")},
        Valid{
            "DryRun", {"--dry-run", "--position", "top-left", "X"}, request(Mode::DryRun, "X", 0)},
        Valid{"ListPorts", {"--list-ports"}, request(Mode::ListPorts)}),
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
