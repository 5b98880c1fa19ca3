// SPDX-License-Identifier: MIT
#include "batch_run.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>

#include "cli/batch_file.h"
#include "cli/batch_report.h"
#include "cli/send_command.h"
#include "cli/terminal_text.h"
#include "posix_file_system_view.h"
#include "sender.h"

namespace vq72::send {
namespace {

constexpr const char* kStandardInput = "-";
constexpr const char* kPrefix = "vq72-osd-send: ";

// Reads the batch file into `batch`, its lines' devices told apart through `map` and the links
// of the file system. Returns kExitDone, or the exit status once it has said why the file
// cannot be read or is refused.
int readBatch(const std::string& name, const PortMap& map, cli::ParsedBatch& batch) {
    // Only its resolve() is asked: no lock folder.
    const PosixFileSystemView files({});
    cli::BatchDevices devices(map,
                              [&files](const std::string& path) { return files.resolve(path); });
    std::ifstream file;
    if (name != kStandardInput) file.open(name, std::ios::binary);
    std::istream& in = name == kStandardInput ? std::cin : file;
    const bool opened = static_cast<bool>(in);
    if (opened) batch = cli::readBatchFile(in, devices);
    if (!opened || in.bad()) {
        std::cerr << kPrefix << "cannot read the batch file " << cli::printable(name) << ": "
                  << std::strerror(errno) << " (give a readable file, or - for standard input)"
                  << std::endl;
        return cli::kExitUsage;
    }
    if (!batch.refusal.empty()) {
        std::cerr << kPrefix << batch.refusal << std::endl;
        return cli::kExitBatchTooLarge;
    }
    return cli::kExitDone;
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
    cli::ParsedBatch batch;
    const int status = readBatch(request.batchFile, map, batch);
    if (status != cli::kExitDone) return status;
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
