// A second start over a real local server: the running instance unloads (port closed) and
// gives its name to the new one; a running instance with a modal window open is left alone;
// a name left behind by a killed instance does not block the start.
#include <QDialog>
#include <QDir>
#include <QUuid>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "gui/gui_test_registry.h"
#include "gui/view_fixture.h"
#include "platform/qt_widgets/instance_name.h"
#include "platform/qt_widgets/qt_app_services.h"
#include "support/report_spy.h"

namespace vq72::test {
namespace {

QString uniqueServerName() {
    return QDir(qEnvironmentVariable("XDG_RUNTIME_DIR", QDir::tempPath()))
        .filePath("vq72-test-" + QUuid::createUuid().toString(QUuid::Id128));
}

// What a killed instance leaves: a socket file that nothing listens on.
bool leaveStaleSocket(const QString& path) {
    const QByteArray bytes = path.toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(bytes.size()) >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return false;
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound && QFile::exists(path);
}

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartClosesTheRunningInstanceAndTakesOver() {
        const QString name = uniqueServerName();
        QtAppServices firstServices({}, name);
        ViewFixture first(&firstServices);
        firstServices.setMainWindow(&first.view);
        first.load();
        QTRY_VERIFY(firstServices.serving());  // once the first frame is up

        QtAppServices secondServices({}, name);
        ViewFixture second(&secondServices);
        secondServices.setMainWindow(&second.view);
        ReportSpy secondReports(second.w);
        second.program.Form_Load();

        QVERIFY(!first.w.tmr_Delay.enabled());  // unloaded
        QVERIFY(!first.view.isVisible());
        QVERIFY(!firstServices.serving());
        QVERIFY(secondServices.serving());
        QVERIFY(secondReports.titled("Form_Load").empty());  // nothing failed on the way
    }

    void runningInstanceWithAModalWindowIsLeftAlone() {
        const QString name = uniqueServerName();
        QtAppServices firstServices({}, name);
        ViewFixture first(&firstServices);
        firstServices.setMainWindow(&first.view);
        first.load();
        QTRY_VERIFY(firstServices.serving());
        QDialog splash(&first.view);
        splash.setWindowModality(Qt::ApplicationModal);
        splash.show();

        QtAppServices secondServices({}, name);
        ViewFixture second(&secondServices);
        second.program.Form_Load();

        QCOMPARE(secondServices.findWindow("VQ72_OSD"), AppServices::WindowLookup::Disabled);
        QVERIFY(first.w.tmr_Delay.enabled());  // not unloaded
        QVERIFY(first.view.isVisible());
        QVERIFY(firstServices.serving());
        splash.close();
    }

    void nameLeftByAKilledInstanceDoesNotBlockStartUp() {
        const QString name = uniqueServerName();
        QVERIFY(leaveStaleSocket(name));
        QtAppServices services({}, name);
        ViewFixture f(&services);
        ReportSpy reports(f.w);
        f.load();
        QVERIFY(services.serving());
        QVERIFY(f.w.tmrSplash.enabled());
        QVERIFY(reports.titled("Form_Load").empty());

        QtAppServices later({}, name);
        QVERIFY(later.previousInstance());
    }

    // Two starts at once: the one that takes the name first keeps it.
    void anInstanceThatStartedMeanwhileKeepsTheName() {
        const QString name = uniqueServerName();
        QtAppServices slower({}, name);
        QWidget window;
        slower.setMainWindow(&window);
        QVERIFY(!slower.previousInstance());  // takes the name once its window is up
        QtAppServices faster({}, name);
        QVERIFY(!faster.previousInstance());
        QVERIFY(faster.serving());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Another VQ72_OSD holds "));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(0);  // the slower one's claim, after its first frame
        QVERIFY(!slower.serving());
        QVERIFY(faster.serving());
    }

    void aRuntimeFolderTooLongForASocketPathFallsBackToAShortName() {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", "/tmp/" + QByteArray(110, 'r'));
        const QString title = "vq72-test-" + QUuid::createUuid().toString(QUuid::Id128);
        QtAppServices services({}, instanceServerName(title));
        qputenv("XDG_RUNTIME_DIR", runtime);
        QVERIFY(!services.previousInstance());
        QVERIFY(services.serving());  // without a window, at once
    }
};

namespace {
const RegisterGuiTest<SingleInstanceTest> registered;
}

}  // namespace vq72::test

#include "single_instance_test.moc"
