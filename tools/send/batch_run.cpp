#include "batch_run.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

#include "cli/batch_file.h"
#include "cli/batch_report.h"
#include "cli/send_command.h"
#include "cli/terminal_text.h"
#include "sender.h"

namespace vq72::send {
namespace {

constexpr const char* kStandardInput = "-";
constexpr const char* kPrefix = "vq72-osd-send: ";

// The whole file (or standard input); nothing when it cannot be read, after saying why.
std::optional<std::string> readBatchFile(const std::string& name) {
    if (name == kStandardInput) {
        return std::string(std::istreambuf_iterator<char>(std::cin), {});
    }
    std::ifstream file(name, std::ios::binary);
    std::ostringstream contents;
    if (file) contents << file.rdbuf();
    if (!file || file.bad()) {
        std::cerr << kPrefix << "cannot read the batch file " << cli::printable(name) << ": "
                  << std::strerror(errno) << " (give a readable file, or - for standard input)"
                  << std::endl;
        return std::nullopt;
    }
    return contents.str();
}

cli::SendTarget targetOf(const cli::SendRequest& request, const PortMap& map) {
    if (!request.port) return cli::deviceTarget(request.device);
    cli::SendTarget target;
    target.map = map;
    target.port = *request.port;
    return target;
}

}  // namespace

int runBatch(const cli::SendRequest& request, const PortMap& map) {
    const std::optional<std::string> contents = readBatchFile(request.batchFile);
    if (!contents) return cli::kExitUsage;
    const cli::ParsedBatch batch = cli::parseBatchFile(*contents);
    if (!batch.errors.empty()) {
        for (const std::string& error : batch.errors) std::cerr << kPrefix << error << "\n";
        std::cerr << kPrefix << "nothing sent: correct the batch file and run again" << std::endl;
        return cli::kExitUsage;
    }

    bool numbered = false;
    for (const cli::BatchEntry& entry : batch.entries) {
        numbered = numbered || entry.request.port.has_value();
        if (entry.request.droppedCharacters > 0) {
            std::cerr << kPrefix << "line " << entry.lineNumber << ": left out "
                      << entry.request.droppedCharacters
                      << " character(s) of the text that the device cannot show\n";
        }
    }
    if (numbered) {
        for (const std::string& problem : map.problems()) {
            std::cerr << kPrefix << cli::printable(problem) << "\n";
        }
    }
    std::cerr << std::flush;

    Sender sender;
    cli::BatchTally tally;
    for (const cli::BatchEntry& entry : batch.entries) {
        const cli::SendTarget target = targetOf(entry.request, map);
        const cli::SendResult result = sender.send(target, cli::osdCommandFor(entry.request),
                                                   request.timeoutMs, request.timeoutText);
        if (result.status >= cli::kExitSignalBase) {
            std::cerr << result.message << std::endl;
            return result.status;
        }
        std::cout << cli::batchResultLine(entry.lineNumber, target, result) << std::endl;
        tally.add(result);
    }
    std::cout << tally.summary() << std::endl;
    return tally.exitStatus();
}

}  // namespace vq72::send
