// SPDX-License-Identifier: MIT
// A program run by a test as a process: signalled without harm to the test, and what it left
// once it ended.
#pragma once

#include <QProcess>
#include <csignal>
#include <string>

namespace vq72::test {

inline constexpr int kProcessBoundMs = 15000;  // a bound on a hung process, not a timing check

// processId() is 0 for a process that is not running, and kill(0) would signal this test's whole
// process group.
inline bool signalProcess(const QProcess& process, int number) {
    return process.processId() > 0 && ::kill(static_cast<pid_t>(process.processId()), number) == 0;
}

struct ProcessRun {
    bool finished = false;  // false: it hung
    bool crashed = false;
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline ProcessRun finish(QProcess& process) {
    ProcessRun run;
    run.finished = process.waitForFinished(kProcessBoundMs);
    run.crashed = process.exitStatus() == QProcess::CrashExit;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

}  // namespace vq72::test
