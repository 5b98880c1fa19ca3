// SPDX-License-Identifier: MIT
#include "platform/simulator/simulator_process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <sys/prctl.h>

#include <csignal>

namespace vq72 {
namespace {

constexpr const char* kSimulatorName = "vq72-osd-sim";
constexpr const char* kPortPrefix = "port: ";
// Bounds for a simulator that hangs: it names its port and ends within milliseconds.
constexpr int kStartMs = 5000;
constexpr int kEndMs = 5000;

std::string withoutLineEnd(std::string line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    return line;
}

// The first line the simulator wrote on standard error, without its name in front.
std::string firstErrorLine(QProcess& process) {
    std::string line = process.readAllStandardError().toStdString();
    line = withoutLineEnd(line.substr(0, line.find('\n')));
    const std::string ownName = std::string(kSimulatorName) + ": ";
    return line.rfind(ownName, 0) == 0 ? line.substr(ownName.size()) : line;
}

}  // namespace

SimulatorProcess::SimulatorProcess(const QStringList& arguments) {
    const QString program = QCoreApplication::applicationDirPath() + "/" + kSimulatorName;
    const std::string cannotStart = "cannot start the simulated device " + program.toStdString();
    const std::string whatToDo = ": it belongs beside " +
                                 QCoreApplication::applicationName().toStdString() +
                                 " (build it with the rest, or reinstall the package)";
    // The simulator ends with this program even when it is killed and cannot stop it.
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process_.start(program, arguments);
    if (!process_.waitForStarted(kStartMs)) {
        throw SimulatorFailure(cannotStart + " (" + process_.errorString().toStdString() + ")" +
                               whatToDo);
    }
    const QDeadlineTimer deadline(kStartMs);
    while (!process_.canReadLine() && !deadline.hasExpired()) {
        if (!process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) break;
    }
    const std::string line = withoutLineEnd(process_.readLine().toStdString());
    if (line.rfind(kPortPrefix, 0) == 0) {
        portPath_ = line.substr(std::string(kPortPrefix).size());
        return;
    }
    // A simulator that has ended says why on standard error (no pseudo-terminal, say).
    const bool ended = process_.state() == QProcess::NotRunning ||
                       process_.waitForFinished(static_cast<int>(deadline.remainingTime()));
    if (const std::string why = ended ? firstErrorLine(process_) : ""; !why.empty())
        throw SimulatorFailure(cannotStart + ": " + why);
    throw SimulatorFailure(cannotStart + ": it named no port" + whatToDo);
}

SimulatorProcess::~SimulatorProcess() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(kEndMs);
}

void SimulatorProcess::followLines(QObject* receiver,
                                   std::function<void(const std::string& line)> take) {
    const auto readLines = [this, take = std::move(take)] {
        while (process_.canReadLine()) take(withoutLineEnd(process_.readLine().toStdString()));
    };
    QObject::connect(&process_, &QProcess::readyReadStandardOutput, receiver, readLines);
    readLines();
}

std::string SimulatorProcess::stop() {
    process_.terminate();
    process_.waitForFinished(kEndMs);
    return process_.readAllStandardOutput().toStdString();
}

}  // namespace vq72
