// The program as a process, its lock files in a folder of the test's own (VQ72_LOCK_DIR). It
// ends through its normal unload on SIGTERM, SIGINT and SIGHUP while its port is open: it exits
// normally and leaves no lock file behind.
#include <QtTest>

#include <sys/stat.h>
#include <csignal>
#include <string>

#include "gui/gui_test_registry.h"
#include "platform/port_lock.h"
#include "sim/simulated_device.h"

namespace vq72::test {
namespace {

constexpr int kBoundMs = 10000;

bool exists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

// A home for one run of the program: settings that select `savedPort`, a runtime folder and a
// lock folder.
class ProgramHome {
public:
    explicit ProgramHome(int savedPort) {
        QVERIFY(home_.isValid());
        QVERIFY(QDir().mkpath(home_.filePath("runtime")));
        QFile::setPermissions(home_.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(QDir().mkpath(home_.filePath("locks")));
        QVERIFY(QDir().mkpath(home_.filePath("config/Flarn")));
        QFile ini(home_.filePath("config/Flarn/VQ72_OSD.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QString("[FormInit]\nComPort=\" %1\"\n").arg(savedPort).toUtf8());
    }
    std::string path(const QString& name) const { return home_.filePath(name).toStdString(); }
    std::string lockOf(const std::string& device) const {
        return path("locks") + "/" + lockFileName(device);
    }
    // Starts the program without its splash, with `portMap` as VQ72_OSD_PORTS.
    void start(QProcess& program, const std::string& portMap) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("VQ72_OSD_PORTS", QString::fromStdString(portMap));
        environment.insert("VQ72_LOCK_DIR", home_.filePath("locks"));
        environment.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", home_.filePath("runtime"));
        program.setProcessEnvironment(environment);
        program.start(VQ72_OSD_PROGRAM, {"--no-splash"});
        QVERIFY(program.waitForStarted());
    }

private:
    QTemporaryDir home_;
};

void endNormally(QProcess& program, int signal) {
    // processId() is 0 for a program that is not running, and kill(0) would signal this test's
    // whole process group.
    QVERIFY(program.processId() > 0);
    ::kill(static_cast<pid_t>(program.processId()), signal);
    QVERIFY(program.waitForFinished(kBoundMs));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

}  // namespace

class TerminationProcessTest : public QObject {
    Q_OBJECT
private slots:
    void endSignalsCloseThePortAndRemoveTheLockFile_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void endSignalsCloseThePortAndRemoveTheLockFile() {
        QFETCH(int, signal);
        const ProgramHome home(1);
        sim::Options options;
        options.linkPath = home.path("port");
        sim::SimulatedDevice device(options);
        device.start();
        // Opened through the link, the port is locked under the device's name.
        const std::string lockFile = home.lockOf(device.portPath());

        QProcess program;
        home.start(program, "1=" + options.linkPath);
        QTRY_VERIFY_WITH_TIMEOUT(exists(lockFile), kBoundMs);
        endNormally(program, signal);
        QVERIFY(!exists(lockFile));
        device.stop();
    }
};

namespace {
const RegisterGuiTest<TerminationProcessTest> registered;
}

}  // namespace vq72::test

#include "termination_process_test.moc"
