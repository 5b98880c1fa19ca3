// The program's own options and the Qt services that need no window: command line, folder,
// and the shell's answers for documents that cannot be opened.
#include <QCoreApplication>
#include <QDir>
#include <QtTest>

#include "gui/gui_test_registry.h"
#include "platform/failure.h"
#include "platform/qt/qt_app_services.h"
#include "platform/qt/qt_shell.h"
#include "ui/launch_options.h"

namespace vq72::test {

class LaunchAndServicesTest : public QObject {
    Q_OBJECT
private slots:
    void ownOptionsAreTakenTheRestIsTheCommandLine() {
        const LaunchOptions options = parseLaunchOptions({"--no-splash", "SKIPCOM", "4"});
        QVERIFY(!options.splash);
        QVERIFY(!options.version);
        QCOMPARE(options.commandLine, (std::vector<std::string>{"SKIPCOM", "4"}));
        QVERIFY(parseLaunchOptions({"--version"}).version);
        QVERIFY(parseLaunchOptions({"--help"}).help);
        QVERIFY(parseLaunchOptions({}).splash);

        QtAppServices services({"SKIPCOM", "4"}, "unused");
        QCOMPARE(services.commandLine(), std::string("SKIPCOM 4"));
        QCOMPARE(services.programFolder(), QCoreApplication::applicationDirPath().toStdString());
    }

    void shellAnswersForMissingDocuments() {
        QtShell shell;
        const QString missing = QDir::temp().filePath("vq72-no-such-manual.pdf");
        QCOMPARE(shell.open(missing.toStdString()), QtShell::kFileNotFound);
        QVERIFY_THROWS_EXCEPTION(Failure, shell.open(""));
    }
};

namespace {
const RegisterGuiTest<LaunchAndServicesTest> registered;
}

}  // namespace vq72::test

#include "launch_and_services_test.moc"
