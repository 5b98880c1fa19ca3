// Second start with two real processes of the program: the running one unloads and ends with
// success, the new one goes on; SIGTERM ends a running program through its normal unload.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/gui_test_registry.h"

namespace vq72::test {
namespace {

constexpr int kStartMs = 10000;
constexpr int kEndMs = 10000;

}  // namespace

class SecondStartProcessTest : public QObject {
    Q_OBJECT
private slots:
    void runningProgramEndsWhenASecondStartsAndTheSecondGoesOn() {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString runtime = home.filePath("runtime");
        QVERIFY(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("VQ72_OSD_PORTS", "");
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", runtime);
        const QString serverName = runtime + "/VQ72_OSD";

        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(VQ72_OSD_PROGRAM, {"--no-splash"});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(serverName), kStartMs);

        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(VQ72_OSD_PROGRAM, {"--no-splash"});
        QVERIFY(second.waitForStarted());
        QVERIFY(first.waitForFinished(kEndMs));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.state(), QProcess::Running);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(serverName), kStartMs);

        second.terminate();
        QVERIFY(second.waitForFinished(kEndMs));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(!QFile::exists(serverName));
    }
};

namespace {
const RegisterGuiTest<SecondStartProcessTest> registered;
}

}  // namespace vq72::test

#include "second_start_process_test.moc"
