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
#include "error_output.h"
#include "posix_file_system_view.h"
#include "sender.h"

namespace vq72::send {
namespace {

constexpr const char* kStandardInput = "-";

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
        sayError("cannot read the batch file " + cli::printable(name) + ": " +
                 std::strerror(errno) + " (give a readable file, or - for standard input)");
        return cli::kExitNoInput;
    }
    if (!batch.refusal.empty()) {
        sayError(batch.refusal);
        return cli::kExitNoInput;
    }
    return cli::kExitDone;
}

// Says what the batch's lines leave out, and the port map's problems when a line needs the map.
void warnAbout(const cli::ParsedBatch& batch, const PortMap& map) {
    bool numbered = false;
    for (const cli::BatchEntry& entry : batch.entries) {
        numbered = numbered || entry.request.port.has_value();
        if (entry.request.droppedCharacters > 0) {
            sayError("line " + std::to_string(entry.lineNumber) + ": left out " +
                     std::to_string(entry.request.droppedCharacters) +
                     " character(s) of the text that the device cannot show");
        }
    }
    if (numbered) sayMapProblems(map);
}

}  // namespace

int runBatch(const cli::SendRequest& request, const PortMap& map) {
    cli::ParsedBatch batch;
    const int status = readBatch(request.batchFile, map, batch);
    if (status != cli::kExitDone) return status;
    if (!batch.errors.empty()) {
        for (const std::string& error : batch.errors) sayError(error);
        sayError("nothing sent: correct the batch file and run again");
        return cli::kExitUsage;
    }
    warnAbout(batch, map);
    if (request.dryRun) {
        std::cout << cli::batchFrames(batch.entries, map, request.json) << std::flush;
        return cli::kExitDone;
    }

    Sender sender(request.trace);
    cli::BatchTally tally;
    for (const cli::BatchEntry& entry : batch.entries) {
        const cli::SendTarget target = cli::batchTarget(entry.request, map);
        const cli::SendResult result = sender.send(target, cli::osdCommandFor(entry.request),
                                                   request.timeoutMs, request.timeoutText);
        if (result.status >= cli::kExitSignalBase) {
            sayError(result.message);
            return result.status;
        }
        std::cout << (request.json ? cli::batchResultJson(entry.lineNumber, target, result)
                                   : cli::batchResultLine(entry.lineNumber, target, result))
                  << std::endl;
        tally.add(result);
    }
    std::cout << (request.json ? tally.summaryJson() : tally.summary()) << std::endl;
    return tally.exitStatus();
}

}  // namespace vq72::send
