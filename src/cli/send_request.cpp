// SPDX-License-Identifier: MIT
#include "cli/send_request.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <utility>

#include "cli/batch_file.h"
#include "cli/port_probe.h"
#include "cli/send_fields.h"
#include "cli/terminal_text.h"

namespace vq72::cli {
namespace {

std::optional<int> timeoutMs(const std::string& text) {
    double seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(seconds) || seconds <= 0 || seconds > kLongestTimeoutSeconds) {
        return std::nullopt;
    }
    return std::max(1, static_cast<int>(std::lround(seconds * 1000)));
}

struct Flags {
    bool simulate = false;
    bool listPorts = false;
    bool help = false;
    bool version = false;
    bool batch = false;
    bool placed = false;  // --position or --color given
    std::optional<std::string> text;
    ShowableText shown;
};

// The rules between options, checked once all are read.
std::string conflicts(const Flags& f, const SendRequest& r) {
    if (f.help || f.version) return {};
    if (f.batch) {
        if (f.text || r.port || !r.device.empty() || f.placed || r.blank || f.simulate ||
            f.listPorts || r.probe) {
            return "--batch excludes TEXT, --port, --device, --position, --color, --blank, "
                   "--simulate, --list-ports and --probe: each line of the file says where and "
                   "what to send";
        }
        return {};
    }
    if (r.json && !f.listPorts) return "--json goes with --list-ports or --batch only";
    if (r.port && !r.device.empty()) return "--port and --device exclude each other";
    if (r.probe && !f.listPorts) return "--probe goes with --list-ports only";
    if (f.listPorts) {
        if (f.text || r.blank || r.dryRun || f.simulate || !r.device.empty() || r.port) {
            return "--list-ports takes no TEXT and no other option but --probe, --json and "
                   "--trace";
        }
        return {};
    }
    if (f.simulate && (r.port || !r.device.empty() || r.dryRun)) {
        return "--simulate excludes --port, --device and --dry-run";
    }
    if (r.blank && f.text) return "--blank sends blanks: give no TEXT with it";
    if (!r.blank && !f.text) return "TEXT missing (or --blank to clear the text)";
    if (!r.blank) {
        return nothingToShow("TEXT", *f.text, f.shown,
                             ": give a text to show, or --blank to clear the text");
    }
    return {};
}

}  // namespace

std::string sendSynopsis() {
    return "usage: vq72-osd-send [--port N | --device PATH] [--position NAME] "
           "[--color white-on-black|black-on-white] [--blank] [--timeout SECONDS] [--dry-run] "
           "TEXT\n"
           "       vq72-osd-send --simulate [options] TEXT\n"
           "       vq72-osd-send --batch FILE|- [--timeout SECONDS] [--dry-run] [--json]\n"
           "       vq72-osd-send --list-ports [--probe] [--json]\n"
           "       (--trace goes with each of them)\n";
}

std::string sendHelp() {
    return sendSynopsis() +
           "\n"
           "Sends one line of on-screen-display text (at most 20 characters) to a VQ7240 and\n"
           "waits for its acknowledgement.\n"
           "  --port N           port number 1 to 16 of the port map (default: the saved port)\n"
           "  --device PATH      the serial device itself, e.g. /dev/ttyUSB0\n"
           "  --position NAME    " +
           positionNames() +
           " (default top-center)\n"
           "  --color NAME       white-on-black or black-on-white (default: no colour field)\n"
           "  --blank            clear the text: send 20 blanks\n"
           "  --timeout SECONDS  how long to wait for the reply (default 3)\n"
           "  --dry-run          print the command's bytes in hexadecimal and send nothing\n"
           "                     (with --batch: check the whole file and print each frame)\n"
           "  --simulate         send to the built-in simulated device and show its screen\n"
           "  --list-ports       show what each port number 1 to 16 leads to\n"
           "  --probe            with --list-ports: write \"CTS\" to each available port and\n"
           "                     mark those where a VQ72xx answers within " +
           std::to_string(kProbeReplyMs) +
           " ms\n"
           "  --batch FILE       send to many devices, one after another: each line of FILE\n"
           "                     (- for standard input) is PORT,TEXT[,POSITION[,COLOR]] with\n"
           "                     PORT a port number (5, COM5) or a device (/dev/ttyUSB0,\n"
           "                     tcp://HOST:PORT, rfc2217://HOST:PORT); \"a,b\" quotes a comma\n"
           "                     and \"\" is a quote in it; # starts a comment; a first line\n"
           "                     such as port,text,position,color is a header; each device\n"
           "                     once; at most " +
           std::to_string(kBatchLines) + " lines of " + std::to_string(kBatchLineBytes) +
           " bytes, " + std::to_string(kBatchFileBytes >> 20) +
           " MiB in all\n"
           "  --json             with --list-ports or --batch: one JSON object per line\n"
           "  --trace            write every byte sent and received to standard error, one\n"
           "                     line per transfer with its time (UTC) and direction (> or <)\n"
           "  --version          print the program's name and version and end\n"
           "  --help, -h         print this help and end\n"
           "Exit status: 0 done, 1 no reply, 2 port unusable, 64 bad arguments, 71 out of\n"
           "memory; with --batch 0 when every device confirmed, 1 when some did not reply, 2\n"
           "when a port was unusable, 64 when a line is bad and 66 when the file cannot be\n"
           "read or is too large (then nothing is sent); 128 + N when ended by signal N.\n";
}

ParsedSendArguments parseSendArguments(const std::vector<std::string>& arguments) {
    ParsedSendArguments parsed;
    SendRequest& r = parsed.request;
    std::string& error = parsed.error;
    Flags f;
    bool optionsEnded = false;

    for (std::size_t i = 0; i < arguments.size() && error.empty(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            if (f.text) {
                error =
                    "one TEXT only, not also " + quoted(argument) + " (quote a text with blanks)";
                break;
            }
            f.text = argument;
            f.shown = showableText(argument);
            r.text = f.shown.text;
            r.droppedCharacters = f.shown.droppedCharacters;
            error = textTooLong("TEXT", argument, f.shown);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        // "--name value" or "--name=value".
        std::string name = argument;
        std::optional<std::string> inlineValue;
        if (const auto equals = argument.find('='); equals != std::string::npos) {
            name = argument.substr(0, equals);
            inlineValue = argument.substr(equals + 1);
        }
        auto value = [&]() -> std::optional<std::string> {
            if (inlineValue) return inlineValue;
            if (i + 1 < arguments.size()) return arguments[++i];
            error = name + " needs a value";
            return std::nullopt;
        };
        auto noValue = [&] {
            if (inlineValue) error = name + " takes no value";
            return !inlineValue;
        };

        // The options that only switch something on.
        const std::pair<const char*, bool*> switches[] = {
            {"--blank", &r.blank},       {"--dry-run", &r.dryRun},      {"--json", &r.json},
            {"--trace", &r.trace},       {"--version", &f.version},     {"--probe", &r.probe},
            {"--simulate", &f.simulate}, {"--list-ports", &f.listPorts}};
        const auto* switched = std::find_if(std::begin(switches), std::end(switches),
                                            [&name](const auto& s) { return name == s.first; });
        if (switched != std::end(switches)) {
            if (noValue()) *switched->second = true;
        } else if (name == "--port") {
            const auto text = value();
            if (!text) break;
            r.port = portNumber(*text);
            if (!r.port) error = "--port needs a port number from 1 to 16, not " + quoted(*text);
        } else if (name == "--device") {
            const auto text = value();
            if (!text) break;
            r.device = *text;
            if (r.device.empty()) error = "--device needs a path";
        } else if (name == "--position") {
            const auto text = value();
            if (!text) break;
            f.placed = true;
            if (const auto index = positionIndex(*text)) {
                r.positionIndex = *index;
            } else {
                error = "--position needs one of " + positionNames() + ", not " + quoted(*text);
            }
        } else if (name == "--color") {
            const auto text = value();
            if (!text) break;
            f.placed = true;
            r.colourIndex = colourIndex(*text);
            if (!r.colourIndex) error = "--color needs " + colourNames() + ", not " + quoted(*text);
        } else if (name == "--timeout") {
            const auto text = value();
            if (!text) break;
            if (const auto ms = timeoutMs(*text)) {
                r.timeoutMs = *ms;
                r.timeoutText = *text;
            } else {
                error = "--timeout needs a number of seconds above 0 and at most 3600, not " +
                        quoted(*text);
            }
        } else if (name == "--batch") {
            const auto file = value();
            if (!file) break;
            f.batch = true;
            r.batchFile = *file;
            if (r.batchFile.empty()) error = "--batch needs a file (or - for standard input)";
        } else if (name == "--help" || name == "-h") {
            f.help = true;
        } else {
            error = "unknown option " + printable(argument);
        }
    }
    if (error.empty()) error = conflicts(f, r);
    if (!error.empty()) return parsed;

    if (f.help) {
        r.mode = SendRequest::Mode::Help;
    } else if (f.version) {
        r.mode = SendRequest::Mode::Version;
    } else if (f.batch) {
        r.mode = SendRequest::Mode::Batch;
    } else if (f.listPorts) {
        r.mode = SendRequest::Mode::ListPorts;
    } else if (r.dryRun) {
        r.mode = SendRequest::Mode::DryRun;
    } else if (f.simulate) {
        r.mode = SendRequest::Mode::Simulate;
    }
    if (r.blank) r.text.clear();
    return parsed;
}

}  // namespace vq72::cli
