// The program as a process, its lock files in a folder of the test's own (VQ72_LOCK_DIR). It
// ends through its normal unload on SIGTERM while its port is open: it exits normally and
// leaves no lock file behind. (The three end signals themselves: the sender's process test.)
#include <QtTest>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

#include "gui/gui_test_registry.h"
#include "platform/port_lock.h"
#include "sim/simulated_device.h"
#include "support/scratch_folder.h"

namespace vq72::test {
namespace {

constexpr int kBoundMs = 10000;

}  // namespace

class TerminationProcessTest : public QObject {
    Q_OBJECT
private slots:
    void sigtermClosesThePortAndRemovesTheLockFile() {
        // A home whose settings select port 1, mapped to the device's link.
        const ScratchFolder home;
        std::ofstream(home.folder("config/Flarn") + "/VQ72_OSD.ini")
            << "[FormInit]\nComPort=\" 1\"\n";
        sim::Options options;
        options.linkPath = home.path("port");
        sim::SimulatedDevice device(options);
        device.start();
        // Opened through the link, the port is locked under the device's name.
        const std::string lockFile = home.folder("locks") + "/" + lockFileName(device.portPath());

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const auto set = [&](const char* name, const std::string& value) {
            environment.insert(name, QString::fromStdString(value));
        };
        set("QT_QPA_PLATFORM", "offscreen");
        set("VQ72_OSD_PORTS", "1=" + options.linkPath);
        set("VQ72_LOCK_DIR", home.path("locks"));
        set("XDG_CONFIG_HOME", home.path("config"));
        set("XDG_RUNTIME_DIR", home.path());
        program.setProcessEnvironment(environment);
        program.start(VQ72_OSD_PROGRAM, {"--no-splash"});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(lockFile), kBoundMs);

        // processId() is 0 for a program that is not running, and kill(0) would signal this
        // test's whole process group.
        QVERIFY(program.processId() > 0);
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(kBoundMs));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(!std::filesystem::exists(lockFile));
        device.stop();
    }
};

namespace {
const RegisterGuiTest<TerminationProcessTest> registered;
}

}  // namespace vq72::test

#include "termination_process_test.moc"
