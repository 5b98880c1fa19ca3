// SPDX-License-Identifier: MIT
// What one run of vq72-osd-send is asked to do, read from its command line: the text and how
// to show it, where to send it, and how long to wait for the device's acknowledgement.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vq72::cli {

inline constexpr int kDefaultTimeoutMs = 3000;
inline constexpr double kLongestTimeoutSeconds = 3600;

struct SendRequest {
    enum class Mode { Send, DryRun, Simulate, ListPorts, Help, Batch, Version };

    Mode mode = Mode::Send;
    std::optional<int> port;  // --port N
    std::string device;       // --device PATH
    int positionIndex = 1;    // top-center
    std::optional<int> colourIndex;
    bool blank = false;
    std::string text;                   // as the device gets it: filtered like typed keys
    std::size_t droppedCharacters = 0;  // characters of TEXT that the filter refused
    int timeoutMs = kDefaultTimeoutMs;
    std::string timeoutText = "3";  // the timeout as given, for messages
    bool probe = false;             // --list-ports also asks the available ports
    std::string batchFile;          // --batch FILE ("-": standard input)
    bool dryRun = false;  // --dry-run: nothing is sent (with --batch: the file is checked)
    bool json = false;    // --json: --list-ports and --batch print JSON lines
    bool trace = false;   // --trace: the ports' traffic on standard error
};

struct ParsedSendArguments {
    SendRequest request;
    std::string error;  // names the bad argument; empty when the command line is valid
};

// The arguments after the program name.
ParsedSendArguments parseSendArguments(const std::vector<std::string>& arguments);

// The synopsis and the full help text.
std::string sendSynopsis();
std::string sendHelp();

}  // namespace vq72::cli
