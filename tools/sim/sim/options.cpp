// SPDX-License-Identifier: MIT
#include "sim/options.h"

#include <charconv>

namespace vq72::sim {
namespace {

std::optional<long> number(const std::string& text) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

}  // namespace

std::string usage() {
    return "usage: vq72-osd-sim [options]\n"
           "  --link PATH         also publish the port as the symbolic link PATH\n"
           "  --log FILE          append one line per received frame to FILE\n"
           "  --pace              9600 baud 8N1 timing (about 1.04 ms a byte) both ways\n"
           "  --reply-delay MS    answer MS milliseconds after a frame\n"
           "  --silent            never answer\n"
           "  --ignore-text       answer \"CTS\" but never an OSD text command\n"
           "  --log-line-settings log the host's line settings (LINE 9600,N,8,1) as they change\n"
           "  --short             answer \"CT-OK\" CR LF (7 bytes) instead of the full reply\n"
           "  --garbage           send bursts of random bytes between exchanges\n"
           "  --banner            send the banner before the first reply\n"
           "  --notice LINE       send LINE CR LF after the next reply (repeatable)\n"
           "  --vanish-after N    close the port after N frames\n"
           "  --return-after MS   with --link: bring a vanished port back after MS milliseconds\n"
           "  --help              show this text\n";
}

ParsedOptions parseOptions(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    Options& o = parsed.options;
    for (std::size_t i = 0; i < arguments.size() && parsed.error.empty(); ++i) {
        const std::string& name = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        const std::string value = hasValue ? arguments[i + 1] : std::string();
        auto needValue = [&]() {
            if (!hasValue) parsed.error = name + " needs a value";
            return hasValue;
        };
        auto needNumber = [&]() -> std::optional<long> {
            if (!needValue()) return std::nullopt;
            ++i;
            const auto n = number(value);
            if (!n) parsed.error = name + " needs a number, not \"" + value + "\"";
            return n;
        };
        if (name == "--help" || name == "-h") {
            parsed.help = true;
        } else if (name == "--pace") {
            o.pace = true;
        } else if (name == "--silent") {
            o.silent = true;
        } else if (name == "--ignore-text") {
            o.ignoreText = true;
        } else if (name == "--short") {
            o.shortReply = true;
        } else if (name == "--garbage") {
            o.garbage = true;
        } else if (name == "--banner") {
            o.banner = true;
        } else if (name == "--log-line-settings") {
            o.logLineSettings = true;
        } else if (name == "--link" || name == "--log" || name == "--notice") {
            if (!needValue()) break;
            ++i;
            if (name == "--link") o.linkPath = value;
            if (name == "--log") o.logPath = value;
            if (name == "--notice") o.notices.push_back(value);
        } else if (name == "--reply-delay") {
            if (const auto n = needNumber()) o.replyDelay = std::chrono::milliseconds(*n);
        } else if (name == "--vanish-after") {
            if (const auto n = needNumber()) o.vanishAfter = static_cast<int>(*n);
        } else if (name == "--return-after") {
            if (const auto n = needNumber()) o.returnAfter = std::chrono::milliseconds(*n);
        } else {
            parsed.error = "unknown option " + name;
        }
    }
    if (parsed.error.empty() && o.returnAfter && o.linkPath.empty()) {
        parsed.error = "--return-after needs --link: the returning port has a new device path";
    }
    return parsed;
}

}  // namespace vq72::sim
