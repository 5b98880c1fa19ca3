// SPDX-License-Identifier: MIT
// Shows the About window with its credits revealed, as an operator reveals them, and saves what
// the X screen shows of it with ImageMagick's import: the About window picture of the manual.
// Run under an X server, e.g. xvfb-run (scripts/shoot-about-window).
#include <QApplication>
#include <QProcess>
#include <QTimer>
#include <QtTest/QTest>
#include <iostream>

#include "platform/shell.h"
#include "ui/about_window_host.h"
#include "ui/about_window_view.h"
#include "window/window_state.h"

namespace {

class NoShell : public vq72::Shell {
public:
    long open(const std::string&) override { return 0; }
};

constexpr int kPaintDelayMs = 1000;  // long enough to paint, shorter than the credits' 6.5 s

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUTPUT.png\n";
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);

    vq72::WindowState state;
    state.AboutFromMenu = true;
    NoShell shell;
    vq72::QtAboutHost host(state, shell, nullptr);
    host.showAboutModeless();
    vq72::AboutWindowView* view = host.view();
    if (!QTest::qWaitForWindowExposed(view)) {
        std::cerr << "the About window was not shown\n";
        return 1;
    }
    // Press on the picture, move, release over the version text.
    QWindow* window = view->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(400, 40));
    QTest::mouseMove(window, QPoint(186, 120));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(186, 120));

    int status = 1;
    QTimer::singleShot(kPaintDelayMs, [&] {
        const QRect area(view->mapToGlobal(QPoint(0, 0)), view->size());
        const QString crop = QStringLiteral("%1x%2+%3+%4")
                                 .arg(area.width())
                                 .arg(area.height())
                                 .arg(area.x())
                                 .arg(area.y());
        status = QProcess::execute("import", {"-window", "root", "-crop", crop, "+repage", output});
        app.quit();
    });
    app.exec();
    return status;
}
