// SPDX-License-Identifier: MIT
// The program as a process, its lock files in a folder of the test's own (VQ72_LOCK_DIR). It
// ends through its normal unload on SIGTERM while its port is open, and also while its start-up
// shows the "EndTask" message box (a first copy that is stopped cannot be closed): it exits
// normally and leaves no lock file behind; its trace (VQ72_OSD_TRACE) saw the port open and close.
// (The three end signals themselves: the sender's process test.) Its demo, where no
// pseudo-terminal or no display can be had, says so and ends; a killed demo takes its simulated
// device with it.
#include <QFileInfo>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/port_lock.h"
#include "sim/simulated_device.h"
#include "support/process_run.h"
#include "support/scratch_folder.h"

namespace vq72::test {

class TerminationProcessTest : public QObject {
    Q_OBJECT
private slots:
    void sigtermClosesThePortAndRemovesTheLockFile_data() {
        QTest::addColumn<bool>("endTaskBox");
        QTest::newRow("the main window up") << false;
        QTest::newRow("the EndTask box open") << true;
    }
    void sigtermClosesThePortAndRemovesTheLockFile() {
        QFETCH(bool, endTaskBox);
        // A home whose settings select port 1, mapped to the device's link; the runtime folder
        // where copies meet is the home itself (private, with a short path).
        const ScratchFolder home;
        std::ofstream(home.folder("config/Flarn") + "/VQ72_OSD.ini")
            << "[FormInit]\nComPort=\" 1\"\n";
        sim::Options options;
        options.linkPath = home.path("port");
        sim::SimulatedDevice device(options);
        device.start();
        // Opened through the link, the port is locked under the device's name.
        const std::string lockFile = home.folder("locks") + "/" + lockFileName(device.portPath());

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const auto set = [&](const char* name, const std::string& value) {
            environment.insert(name, QString::fromStdString(value));
        };
        set("QT_QPA_PLATFORM", "offscreen");
        set("VQ72_LOCK_DIR", home.path("locks"));
        set("XDG_RUNTIME_DIR", home.path());
        // A first copy without a port, stopped once it can be found.
        QProcess first;
        if (endTaskBox) {
            set("VQ72_OSD_PORTS", "");
            set("XDG_CONFIG_HOME", home.path("first"));
            first.setProcessEnvironment(environment);
            first.start(VQ72_OSD_PROGRAM, {"--no-splash"});
            QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(home.path("VQ72_OSD")),
                                     kProcessBoundMs);
            QVERIFY(signalProcess(first, SIGSTOP));
        }
        set("VQ72_OSD_PORTS", "1=" + options.linkPath);
        set("XDG_CONFIG_HOME", home.path("config"));
        set("VQ72_OSD_TRACE", home.path("trace"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(VQ72_OSD_PROGRAM, {"--no-splash"});
        QVERIFY(program.waitForStarted());
        QByteArray errors;
        if (endTaskBox) {
            QTRY_VERIFY_WITH_TIMEOUT(
                (errors += program.readAllStandardError()).contains("EndTask: cannot terminate"),
                kProcessBoundMs);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(lockFile), kProcessBoundMs);
        }

        QVERIFY(signalProcess(program, SIGTERM));
        const ProcessRun run = finish(program);
        QVERIFY(run.finished && !run.crashed);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!std::filesystem::exists(lockFile));
        std::stringstream trace;
        trace << std::ifstream(home.path("trace")).rdbuf();
        QVERIFY(endTaskBox ||
                (trace.str().find("Z open " + options.linkPath + "\n") != std::string::npos &&
                 trace.str().ends_with("Z close\n")));
        device.stop();
        first.kill();
        first.waitForFinished();
    }

    // A killed demo takes its simulated device with it. The demo that cannot run says why in one
    // line and exits 2: with no pseudo-terminal for its device, and before that with a display
    // that does not answer (no X server there).
    void theDemoEndsWithItsDeviceOrSaysWhyItCannotRun() {
        const ScratchFolder home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString(home.path("config")));
        environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(home.path()));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(VQ72_OSD_PROGRAM, {"--no-splash", "--simulate"});
        QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(home.path("VQ72_OSD")), kProcessBoundMs);
        const auto pid = std::to_string(program.processId());
        std::string device;  // the simulator's process number
        std::ifstream("/proc/" + pid + "/task/" + pid + "/children") >> device;
        QVERIFY(!device.empty());
        program.kill();
        QVERIFY(program.waitForFinished(kProcessBoundMs));
        // Gone, or a zombie (state Z) waiting for its new parent to reap it.
        const auto state = [&] {
            std::string field;
            std::ifstream("/proc/" + device + "/stat") >> field >> field >> field;
            return field;
        };
        QTRY_VERIFY_WITH_TIMEOUT(state().empty() || state() == "Z", kProcessBoundMs);

        environment.insert("LD_PRELOAD", VQ72_NO_PTY_LIBRARY);
        environment.insert("ASAN_OPTIONS", "verify_asan_link_order=0");
        program.setProcessEnvironment(environment);
        program.start(VQ72_OSD_PROGRAM, {"--simulate"});
        const ProcessRun run = finish(program);
        QCOMPARE(run.exitCode, 2);
        const QString simulator = QFileInfo(VQ72_OSD_PROGRAM).canonicalPath() + "/vq72-osd-sim";
        QCOMPARE(QString::fromStdString(run.err),
                 "vq72-osd: cannot start the simulated device " + simulator +
                     ": no pseudo-terminal can be opened (openpty): No such file or directory\n");

        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", "unix:4242");
        program.setProcessEnvironment(environment);
        program.start(VQ72_OSD_PROGRAM, {"--simulate"});
        const ProcessRun unreachable = finish(program);
        QCOMPARE(unreachable.exitCode, 2);
        QCOMPARE(unreachable.err,
                 "vq72-osd: the display unix:4242 cannot be reached (no X server "
                 "answers there); run it in a desktop session, or under Xvfb: "
                 "xvfb-run -a " VQ72_OSD_PROGRAM "\n");
    }
};

}  // namespace vq72::test

QTEST_MAIN(vq72::test::TerminationProcessTest)
#include "termination_process_test.moc"
