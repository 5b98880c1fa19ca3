// SPDX-License-Identifier: MIT
#include "cli/batch_line.h"

#include <algorithm>

#include "cli/send_fields.h"
#include "cli/terminal_text.h"
#include "device/network_port.h"

namespace vq72::cli {
namespace {

constexpr std::size_t kTargetField = 0;
constexpr std::size_t kTextField = 1;
constexpr std::size_t kPositionField = 2;
constexpr std::size_t kColourField = 3;
constexpr std::size_t kFewestFields = 2;
constexpr std::size_t kMostFields = 4;
constexpr char kQuote = '"';
constexpr char kSeparator = ',';
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kComPrefix = "COM";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

struct Fields {
    std::vector<std::string> values;
    std::string error;
};

// The comma-separated fields of one line. Unquoted fields lose their surrounding blanks except
// the text, whose blanks the framing trims anyway.
Fields splitFields(std::string_view line) {
    Fields fields;
    std::size_t at = 0;
    while (true) {
        const std::size_t start = line.find_first_not_of(kBlanks, at);
        std::string value;
        if (start != std::string_view::npos && line[start] == kQuote) {
            at = start + 1;
            while (true) {
                const std::size_t close = line.find(kQuote, at);
                if (close == std::string_view::npos) {
                    fields.error = "a quoted field has no closing \" (a quote inside it is \"\")";
                    return fields;
                }
                value += line.substr(at, close - at);
                at = close + 1;
                if (at < line.size() && line[at] == kQuote) {
                    value += kQuote;
                    ++at;
                } else {
                    break;
                }
            }
            at = std::min(line.size(), line.find_first_not_of(kBlanks, at));
            if (at < line.size() && line[at] != kSeparator) {
                fields.error =
                    "text follows the closing \" of a quoted field (a quote inside it is \"\")";
                return fields;
            }
        } else {
            const std::size_t end = std::min(line.size(), line.find(kSeparator, at));
            const std::string_view raw = line.substr(at, end - at);
            value = fields.values.size() == kTextField ? raw : trimmed(raw);
            at = end;
        }
        fields.values.push_back(std::move(value));
        if (at >= line.size()) return fields;
        ++at;  // past the comma
    }
}

bool upperCaseEquals(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) != upper[i]) return false;
    }
    return true;
}

// A first field that cannot have been meant as a port or a device: the header's.
bool headerField(const std::string& field) {
    return field.find_first_of("0123456789/:") == std::string::npos;
}

// Reads the port or device into `request`; the problem, or empty.
std::string takeTarget(const std::string& field, SendRequest& request) {
    if (isNetworkEntry(field)) {
        const ParsedNetworkPort network = parseNetworkPort(field);
        if (!network.port) {
            return quoted(field) + " is not a usable network port: " + printable(network.problem);
        }
        request.device = field;
        return {};
    }
    if (field.find('/') != std::string::npos) {
        request.device = field;
        return {};
    }
    std::string_view number = field;
    if (upperCaseEquals(number.substr(0, kComPrefix.size()), kComPrefix)) {
        number.remove_prefix(kComPrefix.size());
    }
    request.port = portNumber(std::string(number));
    if (request.port) return {};
    return quoted(field) +
           " is neither a port number 1 to 16 (5 or COM5) nor a device (a path such as "
           "/dev/ttyUSB0 or ./link, tcp://HOST:PORT or rfc2217://HOST:PORT)";
}

// Every problem of one line's fields, read into `request`.
std::vector<std::string> takeFields(const std::vector<std::string>& fields, SendRequest& request) {
    std::vector<std::string> problems;
    auto note = [&problems](std::string problem) {
        if (!problem.empty()) problems.push_back(std::move(problem));
    };
    if (fields.size() < kFewestFields || fields.size() > kMostFields) {
        note("a line is " + std::string(kBatchLineForm) + ", not " + std::to_string(fields.size()) +
             " field(s)" +
             (fields.size() > kMostFields ? " (put a text with a comma in double quotes: \"a,b\")"
                                          : ""));
        return problems;
    }
    note(takeTarget(fields[kTargetField], request));

    const std::string& given = fields[kTextField];
    const ShowableText text = showableText(given);
    request.text = text.text;
    request.droppedCharacters = text.droppedCharacters;
    note(textTooLong("text", given, text));
    note(nothingToShow("text", given, text, ": give a text the device can show"));

    if (fields.size() > kPositionField && !fields[kPositionField].empty()) {
        const std::string& name = fields[kPositionField];
        if (const auto index = positionIndex(name)) {
            request.positionIndex = *index;
        } else {
            note(quoted(name) + " is not a position (" + positionNames() + ")");
        }
    }
    if (fields.size() > kColourField && !fields[kColourField].empty()) {
        const std::string& name = fields[kColourField];
        request.colourIndex = colourIndex(name);
        if (!request.colourIndex) note(quoted(name) + " is not a colour (" + colourNames() + ")");
    }
    return problems;
}

}  // namespace

BatchLine parseBatchLine(std::string_view line, bool first) {
    BatchLine parsed;
    const std::string_view content = trimmed(line);
    if (content.empty() || content.front() == '#') return parsed;

    const Fields fields = splitFields(line);
    if (!fields.error.empty()) {
        parsed.kind = BatchLine::Kind::Entry;
        parsed.problems.push_back(fields.error);
        return parsed;
    }
    if (first && headerField(fields.values[kTargetField])) {
        parsed.kind = BatchLine::Kind::Header;
        return parsed;
    }
    parsed.kind = BatchLine::Kind::Entry;
    parsed.problems = takeFields(fields.values, parsed.request);
    return parsed;
}

}  // namespace vq72::cli
