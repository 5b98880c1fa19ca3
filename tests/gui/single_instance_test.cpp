// SPDX-License-Identifier: MIT
// A second start over a real local server: the running instance unloads (port closed) and
// gives its name to the new one; a running instance with a modal window open is left alone;
// a name left behind by a killed instance does not block the start, nor does a listener that is
// not a copy of the program. The place where instances meet is one only the user can enter.
#include <QDialog>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "gui/view_fixture.h"
#include "platform/qt_widgets/instance_name.h"
#include "platform/qt_widgets/qt_app_services.h"
#include "support/report_spy.h"

namespace vq72::test {
namespace {

// Under /tmp: a socket path holds at most 107 bytes.
QString uniqueServerName() {
    return "/tmp/vq72-test-" + QUuid::createUuid().toString(QUuid::Id128);
}

// A user other than the one running the tests: "nobody", unless that runs them.
const uid_t kOtherUser = ::getuid() == 65534 ? 65533 : 65534;

// A local socket bound to `path`, not yet listening; -1 when that fails.
int boundSocket(const QString& path) {
    const QByteArray bytes = path.toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(bytes.size()) >= sizeof(address.sun_path)) return -1;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const auto* at = reinterpret_cast<sockaddr*>(&address);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd >= 0 && ::bind(fd, at, sizeof address) == 0) return fd;
    if (fd >= 0) ::close(fd);
    return -1;
}

// What a killed instance leaves: a socket file that nothing listens on.
bool leaveStaleSocket(const QString& path) {
    const int fd = boundSocket(path);
    if (fd >= 0) ::close(fd);
    return fd >= 0 && QFile::exists(path);
}

// A listener under a path that is not a copy of the program, in a child process that runs as
// `user` from the moment it listens (which is what the kernel reports of it). It answers each
// line with `reply`, or sends without end when `flood`.
class Squatter {
public:
    Squatter(const QString& path, uid_t user, const QByteArray& reply, bool flood) {
        const int fd = boundSocket(path);
        int ready[2];
        if (fd < 0 || ::pipe(ready) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (::syscall(SYS_setgid, user) != 0 || ::syscall(SYS_setuid, user) != 0 ||
                ::listen(fd, 4) != 0 || ::write(ready[1], "r", 1) != 1)
                ::_exit(1);
            serve(fd, reply, flood);
        }
        ::close(ready[1]);  // a child that fails ends the read
        char byte = 0;
        ready_ = pid_ > 0 && ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
        ::close(fd);
    }
    ~Squatter() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    Squatter(const Squatter&) = delete;
    Squatter& operator=(const Squatter&) = delete;
    bool ready() const { return ready_; }

private:
    [[noreturn]] static void serve(int fd, const QByteArray& reply, bool flood) {
        const QByteArray junk(512, 'x');
        for (;;) {
            const int peer = ::accept(fd, nullptr, nullptr);
            if (peer < 0) continue;
            char byte = 0;
            while (flood ? ::send(peer, junk.data(), junk.size(), MSG_NOSIGNAL) > 0
                         : ::read(peer, &byte, 1) == 1) {
                if (byte == '\n') ::send(peer, reply.data(), reply.size(), MSG_NOSIGNAL);
            }
            ::close(peer);
        }
    }

    pid_t pid_ = -1;
    bool ready_ = false;
};

// A copy of the program that meets others under `name`.
struct Instance {
    explicit Instance(const QString& name) : services({}, name), f(&services) {
        services.setMainWindow(&f.view);
    }
    QtAppServices services;
    ViewFixture f;
};

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    // The link's warnings are expected, or a fault.
    void init() { QTest::failOnWarning(QRegularExpression("VQ72_OSD")); }

    // A second start closes the running copy and takes over its name, unless the running copy
    // shows a modal window.
    void secondStartClosesTheRunningInstanceUnlessItShowsAModalWindow_data() {
        QTest::addColumn<bool>("modal");
        QTest::newRow("no modal window") << false;
        QTest::newRow("a modal window") << true;
    }
    void secondStartClosesTheRunningInstanceUnlessItShowsAModalWindow() {
        QFETCH(bool, modal);
        const QString name = uniqueServerName();
        Instance first(name);
        first.f.load();
        QVERIFY(first.services.serving());
        QDialog splash(&first.f.view);
        splash.setWindowModality(Qt::ApplicationModal);
        if (modal) splash.show();

        Instance second(name);
        ReportSpy secondReports(second.f.w);
        second.f.program.Form_Load();

        QCOMPARE(first.f.view.isVisible(), modal);  // unloaded, or left alone
        QCOMPARE(first.services.serving(), modal);
        if (modal) {
            QCOMPARE(second.services.findWindow("VQ72_OSD"), AppServices::WindowLookup::Disabled);
        } else {
            QVERIFY(second.services.serving());
            const auto& reports = secondReports.reports;  // nothing failed on the way
            QVERIFY(std::none_of(reports.begin(), reports.end(),
                                 [](const auto& r) { return r.title == "Form_Load"; }));
        }
    }

    void nameLeftByAKilledInstanceDoesNotBlockStartUp() {
        const QString name = uniqueServerName();
        QVERIFY(leaveStaleSocket(name));
        Instance instance(name);
        instance.f.load();
        QVERIFY(instance.services.serving());

        QtAppServices later({}, name);
        QVERIFY(later.previousInstance());
    }

    void aListenerThatIsNoCopyOfTheProgramIsIgnoredAndReplaced_data() {
        QTest::addColumn<bool>("otherUser");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("flood");
        QTest::addColumn<QString>("reason");
        const QString otherUser = QStringLiteral("it runs as user %1").arg(kOtherUser);
        QTest::newRow("another user's, answering as a copy")
            << true << QByteArray("enabled\n") << false << otherUser;
        QTest::newRow("this user's, answering garbage")
            << false << QByteArray("HELO\n") << false
            << QString("its answer is not one that VQ72_OSD gives");
        QTest::newRow("this user's, flooding")
            << false << QByteArray() << true << QString("its answer is longer than 256 bytes");
    }
    void aListenerThatIsNoCopyOfTheProgramIsIgnoredAndReplaced() {
        QFETCH(bool, otherUser);
        QFETCH(QByteArray, reply);
        QFETCH(bool, flood);
        QFETCH(QString, reason);
        if (otherUser && ::getuid() != 0) QSKIP("only root can listen as another user");
        const QString name = uniqueServerName();
        const Squatter squatter(name, otherUser ? kOtherUser : ::getuid(), reply, flood);
        QVERIFY(squatter.ready());

        QtAppServices services({}, name);
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QString("VQ72_OSD: %1 is held by something that is not "
                                                "VQ72_OSD (%2): this copy ignores it and runs on "
                                                "its own.")
                                            .arg(name, reason)));
        QVERIFY(!services.previousInstance());
        QVERIFY(services.serving());  // the name taken over
        QCOMPARE(services.findWindow("VQ72_OSD"), AppServices::WindowLookup::None);
    }

    // Copies meet in the runtime folder when only the user can enter it, else in a folder of
    // their own, never in one that others can enter or have made.
    void instancesMeetWhereOnlyTheUserCanEnter_data() {
        QTest::addColumn<int>("runtimeMode");
        QTest::addColumn<int>("socketPathBytes");  // 0: a short one
        QTest::addColumn<QString>("ownFolder");    // "" (missing), "0755", "link", "other user"
        QTest::addColumn<QString>("expected");     // "runtime", "own", or a part of the problem
        const QString none, runtime = "runtime", own = "own", link = "link";
        // A socket path holds at most 107 bytes (sockaddr_un).
        QTest::newRow("a private runtime folder") << 0700 << 107 << none << runtime;
        QTest::newRow("one a byte too long") << 0700 << 108 << none << own;
        QTest::newRow("one open to others") << 0755 << 0 << none << own;
        QTest::newRow("an own folder open to others")
            << 0755 << 0 << QString("0755") << QString("its mode is 0755, not 0700");
        QTest::newRow("an own folder that is a link")
            << 0755 << 0 << link << QString("it is not a folder");
        QTest::newRow("an own folder of another user")
            << 0755 << 0 << QString("other user")
            << QStringLiteral("it belongs to user %1").arg(kOtherUser);
    }
    void instancesMeetWhereOnlyTheUserCanEnter() {
        QFETCH(int, runtimeMode);
        QFETCH(int, socketPathBytes);
        QFETCH(QString, ownFolder);
        QFETCH(QString, expected);
        if (ownFolder == "other user" && ::getuid() != 0)
            QSKIP("only root can give a folder to another user");
        const QTemporaryDir scratch(QStringLiteral("/tmp/vq72-XXXXXX"));
        QVERIFY(scratch.isValid());
        // The socket's path: the scratch folder, "/", the runtime folder's name, "/T".
        const int nameLength =
            socketPathBytes == 0 ? 1 : socketPathBytes - scratch.path().size() - 3;
        const QString runtime = scratch.filePath(QString(nameLength, 'r'));
        const QString own = scratch.filePath(QStringLiteral("vq72-osd-%1").arg(::getuid()));
        const auto made = [](const QString& folder, int mode, uint owner) {
            const QByteArray path = QFile::encodeName(folder);
            return ::mkdir(path, 0) == 0 && ::chmod(path, mode_t(mode)) == 0 &&
                   ::chown(path, owner, gid_t(-1)) == 0;
        };
        QVERIFY(made(runtime, runtimeMode, ::getuid()));
        if (ownFolder == "0755") QVERIFY(made(own, 0755, ::getuid()));
        if (ownFolder == "other user") QVERIFY(made(own, 0700, kOtherUser));
        if (ownFolder == "link") QVERIFY(QFile::link(scratch.path(), own));

        const InstancePlace place = instancePlace("T", runtime, scratch.path());
        if (expected == "runtime") QCOMPARE(place.serverName, runtime + "/T");
        if (expected == "own") QCOMPARE(place.serverName, own + "/T");
        if (place.serverName.isEmpty())
            QVERIFY2(place.problem.contains(expected), qPrintable(place.problem));
        QVERIFY(place.serverName.isEmpty() != place.problem.isEmpty());
    }
};

}  // namespace vq72::test

QTEST_MAIN(vq72::test::SingleInstanceTest)
#include "single_instance_test.moc"
