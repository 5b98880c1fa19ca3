// Runs every registered GUI test class in one QApplication (offscreen in CTest).
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/gui_test_registry.h"

int main(int argc, char** argv) {
    // Local servers of the single-instance tests live in a runtime folder of this run's own,
    // private (mode 0700) and short wherever the checkout lives: a socket path holds at most
    // 107 bytes.
    QTemporaryDir runtime(QStringLiteral("/tmp/vq72-XXXXXX"));
    if (!runtime.isValid()) return 1;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QApplication app(argc, argv);
    int failed = 0;
    for (const auto& create : vq72::test::guiTests()) {
        const std::unique_ptr<QObject> test = create();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
