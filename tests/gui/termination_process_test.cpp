// The program ends through its normal unload on SIGTERM, SIGINT and SIGHUP while its port is
// open: it exits normally and leaves no lock file behind.
#include <QtTest>

#include <sys/stat.h>
#include <csignal>
#include <string>

#include "gui/gui_test_registry.h"
#include "sim/simulated_device.h"

namespace vq72::test {
namespace {

constexpr int kBoundMs = 10000;

std::string lockFileOf(const std::string& path) {
    std::string name = path;
    for (char& c : name) c = c == '/' ? '_' : c;
    return "/var/lock/LCK.." + name;
}

bool exists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
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
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString runtime = home.filePath("runtime");
        QVERIFY(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // The saved port is COM1, the simulated device.
        QVERIFY(QDir().mkpath(home.filePath("config/Flarn")));
        QFile ini(home.filePath("config/Flarn/VQ72_OSD.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[FormInit]\nComPort=\" 1\"\n");
        ini.close();

        sim::Options options;
        options.linkPath = home.filePath("port").toStdString();
        sim::SimulatedDevice device(options);
        device.start();
        const std::string lockFile = lockFileOf(options.linkPath);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("VQ72_OSD_PORTS", QString::fromStdString("1=" + options.linkPath));
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", runtime);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(VQ72_OSD_PROGRAM, {"--no-splash"});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(exists(lockFile), kBoundMs);

        ::kill(static_cast<pid_t>(program.processId()), signal);
        QVERIFY(program.waitForFinished(kBoundMs));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(!exists(lockFile));
        device.stop();
    }
};

namespace {
const RegisterGuiTest<TerminationProcessTest> registered;
}

}  // namespace vq72::test

#include "termination_process_test.moc"
