// SPDX-License-Identifier: MIT
// vq72-osd-send: sends one line of OSD text to a VQ7240 from the command line and waits for
// its acknowledgement; also prints the command's bytes (--dry-run), sends to the built-in
// simulated device (--simulate), labels many devices from a file (--batch) and lists the ports
// (--list-ports), asking each available one whether a VQ72xx answers (--probe); --json makes
// the listing and the batch's lines machine-readable, --trace shows the ports' traffic.
#include <QCoreApplication>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>
#include <optional>

#include "batch_run.h"
#include "cli/port_probe.h"
#include "cli/send_command.h"
#include "cli/send_outcome.h"
#include "cli/send_request.h"
#include "cli/send_target.h"
#include "cli/terminal_text.h"
#include "device/hex_bytes.h"
#include "device/program_identity.h"
#include "error_output.h"
#include "out_of_memory.h"
#include "platform/posix/port_lock_files.h"
#include "platform/qt/qt_settings_backing.h"
#include "platform/simulator/simulator_process.h"
#include "port_asker.h"
#include "posix_file_system_view.h"
#include "sender.h"
#include "vq72/version.h"

namespace {

using namespace vq72;
using cli::SendRequest;
using send::sayError;

int usageError(const std::string& error) {
    sayError(error);
    std::cerr << cli::sendSynopsis();
    return cli::kExitUsage;
}

// "Done" on standard output, anything else on standard error; returns the exit status.
int report(const cli::SendResult& result) {
    if (result.status == cli::kExitDone) {
        std::cout << result.message << std::endl;
    } else {
        sayError(result.message);
    }
    return result.status;
}

// Each entry of the listing as a JSON line; the port map's problems go to standard error.
std::string jsonListing(const PortMap& map, const cli::FileSystemView& files,
                        const cli::PortQuestion& ask) {
    std::string listing;
    for (const cli::PortEntry& entry : cli::portEntries(map, files, ask)) {
        listing += cli::portEntryJson(entry) + "\n";
    }
    send::sayMapProblems(map);
    return listing;
}

int simulate(const SendRequest& request, const std::string& command) {
    SimulatorProcess device({QStringLiteral("--final-screen")});
    std::cout << hexBytes(command) << std::endl;
    send::Sender sender(request.trace);
    const int status = report(sender.send(cli::deviceTarget(device.portPath()), command,
                                          request.timeoutMs, request.timeoutText));
    std::cout << device.stop() << std::flush;
    return status;
}

int listPorts(const SendRequest& request, const char* environment) {
    QtSettingsBacking settings;
    const PortMap map = PortMap::forRun(environment, settings);
    const send::PosixFileSystemView files(posix::portLockFolder());
    std::optional<send::PortAsker> asker;
    cli::PortQuestion ask;
    if (request.probe) {
        asker.emplace(map, request.trace);
        ask = [&asker](int port) { return asker->ask(port); };
    }
    std::cout << (request.json ? jsonListing(map, files, ask) : cli::listPorts(map, files, ask))
              << std::flush;
    if (!asker || asker->endSignal() == 0) return cli::kExitDone;
    sayError("ended by signal " + std::to_string(asker->endSignal()) +
             "; ports after it were not asked");
    return cli::kExitSignalBase + asker->endSignal();
}

int run(const SendRequest& request) {
    QtSettingsBacking settings;
    const char* environment = std::getenv(PortMap::kEnvironmentVariable);
    if (request.mode == SendRequest::Mode::ListPorts) return listPorts(request, environment);
    if (request.mode == SendRequest::Mode::Batch) {
        return send::runBatch(request, PortMap::forRun(environment, settings));
    }

    const std::string command = cli::osdCommandFor(request);
    if (request.droppedCharacters > 0) {
        sayError("left out " + std::to_string(request.droppedCharacters) +
                 " character(s) of TEXT that the device cannot show");
    }
    if (request.mode == SendRequest::Mode::DryRun) {
        std::cout << hexBytes(command) << std::endl;
        return cli::kExitDone;
    }

    if (request.mode == SendRequest::Mode::Simulate) return simulate(request, command);

    const cli::ResolvedTarget resolved = cli::resolveTarget(request, environment, settings);
    if (resolved.target) send::sayMapProblems(resolved.target->map);
    if (!resolved.target) return usageError(resolved.error);
    send::Sender sender(request.trace);
    return report(sender.send(*resolved.target, command, request.timeoutMs, request.timeoutText));
}

}  // namespace

int main(int argc, char** argv) {
    send::endRunsOutOfMemory();
    try {
        const cli::ParsedSendArguments parsed =
            cli::parseSendArguments(std::vector<std::string>(argv + 1, argv + argc));
        if (!parsed.error.empty()) return usageError(parsed.error);
        if (parsed.request.mode == SendRequest::Mode::Help) {
            std::cout << cli::sendHelp();
            return cli::kExitDone;
        }
        if (parsed.request.mode == SendRequest::Mode::Version) {
            std::cout << "vq72-osd-send (" << kAppTitle << ") " << version::kText << std::endl;
            return cli::kExitDone;
        }
        QCoreApplication app(argc, argv);
        return run(parsed.request);
    } catch (const std::bad_alloc&) {
        // Thrown by a library, not by operator new.
        send::sayOutOfMemory();
        return cli::kExitOutOfMemory;
    } catch (const std::exception& e) {
        sayError(cli::printable(e.what()));
        return cli::kExitPortUnusable;
    }
}
