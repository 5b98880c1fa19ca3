#include "simulator_process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <stdexcept>

namespace vq72::send {
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

}  // namespace

SimulatorProcess::SimulatorProcess() {
    const QString program = QCoreApplication::applicationDirPath() + "/" + kSimulatorName;
    const std::string cannotStart = "cannot start the simulated device " + program.toStdString();
    const std::string whatToDo =
        ": it belongs beside vq72-osd-send (build it with the rest, or "
        "reinstall the package)";
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(program, {QStringLiteral("--final-screen")});
    if (!process_.waitForStarted(kStartMs)) {
        throw std::runtime_error(cannotStart + " (" + process_.errorString().toStdString() + ")" +
                                 whatToDo);
    }
    const QDeadlineTimer deadline(kStartMs);
    while (!process_.canReadLine() && !deadline.hasExpired()) {
        if (!process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) break;
    }
    const std::string line = withoutLineEnd(process_.readLine().toStdString());
    if (line.rfind(kPortPrefix, 0) != 0) {
        throw std::runtime_error(cannotStart + ": it named no port" + whatToDo);
    }
    portPath_ = line.substr(std::string(kPortPrefix).size());
}

SimulatorProcess::~SimulatorProcess() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(kEndMs);
}

std::string SimulatorProcess::stop() {
    process_.terminate();
    process_.waitForFinished(kEndMs);
    return process_.readAllStandardOutput().toStdString();
}

}  // namespace vq72::send
