// Runs every registered GUI test class in one QApplication (offscreen in CTest).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

#include "gui/gui_test_registry.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Local servers of the single-instance tests live in the test's own runtime folder.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    int failed = 0;
    for (const auto& create : vq72::test::guiTests()) {
        const std::unique_ptr<QObject> test = create();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
