// SPDX-License-Identifier: MIT
// vq72-osd-send: sends one line of OSD text to a VQ7240 from the command line and waits for
// its acknowledgement; also prints the command's bytes (--dry-run), sends to the built-in
// simulated device (--simulate), labels many devices from a file (--batch) and lists the ports
// (--list-ports), asking each available one whether a VQ72xx answers (--probe).
#include <QCoreApplication>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>

#include "batch_run.h"
#include "cli/port_probe.h"
#include "cli/send_command.h"
#include "cli/send_outcome.h"
#include "cli/send_request.h"
#include "cli/send_target.h"
#include "cli/terminal_text.h"
#include "out_of_memory.h"
#include "platform/posix/port_lock_files.h"
#include "platform/qt/qt_settings_backing.h"
#include "platform/simulator/simulator_process.h"
#include "port_asker.h"
#include "posix_file_system_view.h"
#include "sender.h"

namespace {

using namespace vq72;
using cli::SendRequest;

int usageError(const std::string& error) {
    std::cerr << "vq72-osd-send: " << error << "\n" << cli::sendSynopsis();
    return cli::kExitUsage;
}

// "Done" on standard output, anything else on standard error; returns the exit status.
int report(const cli::SendResult& result) {
    (result.status == cli::kExitDone ? std::cout : std::cerr) << result.message << std::endl;
    return result.status;
}

int simulate(const SendRequest& request, const std::string& command) {
    SimulatorProcess device({QStringLiteral("--final-screen")});
    std::cout << cli::hexBytes(command) << std::endl;
    send::Sender sender;
    const int status = report(sender.send(cli::deviceTarget(device.portPath()), command,
                                          request.timeoutMs, request.timeoutText));
    std::cout << device.stop() << std::flush;
    return status;
}

int listPorts(const SendRequest& request, const char* environment) {
    QtSettingsBacking settings;
    const PortMap map = PortMap::forRun(environment, settings);
    const send::PosixFileSystemView files(posix::portLockFolder());
    if (!request.probe) {
        std::cout << cli::listPorts(map, files) << std::flush;
        return cli::kExitDone;
    }
    send::PortAsker asker(map);
    std::cout << cli::listPorts(map, files, [&asker](int port) { return asker.ask(port); })
              << std::flush;
    if (asker.endSignal() == 0) return cli::kExitDone;
    std::cerr << "vq72-osd-send: ended by signal " << asker.endSignal()
              << "; ports after it were not asked" << std::endl;
    return cli::kExitSignalBase + asker.endSignal();
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
        std::cerr << "vq72-osd-send: left out " << request.droppedCharacters
                  << " character(s) of TEXT that the device cannot show" << std::endl;
    }
    if (request.mode == SendRequest::Mode::DryRun) {
        std::cout << cli::hexBytes(command) << std::endl;
        return cli::kExitDone;
    }

    if (request.mode == SendRequest::Mode::Simulate) return simulate(request, command);

    const cli::ResolvedTarget resolved = cli::resolveTarget(request, environment, settings);
    if (resolved.target) {
        for (const std::string& problem : resolved.target->map.problems()) {
            std::cerr << "vq72-osd-send: " << cli::printable(problem) << "\n";
        }
    }
    if (!resolved.target) return usageError(resolved.error);
    send::Sender sender;
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
        QCoreApplication app(argc, argv);
        return run(parsed.request);
    } catch (const std::bad_alloc&) {
        // Thrown by a library, not by operator new.
        send::sayOutOfMemory();
        return cli::kExitOutOfMemory;
    } catch (const std::exception& e) {
        std::cerr << "vq72-osd-send: " << cli::printable(e.what()) << std::endl;
        return cli::kExitPortUnusable;
    }
}
