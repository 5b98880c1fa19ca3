// SPDX-License-Identifier: MIT
// The About window's host: the window as the manual shows it, a dialog from the menu, shown
// modally as a frameless splash until it closes by any means, and unloaded whenever it closes.
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>

#include "gui/manual_picture.h"
#include "support/fakes.h"
#include "ui/about_window_host.h"
#include "ui/about_window_view.h"

namespace vq72::test {
namespace {

enum class CloseBy { Ticks, WindowManager, Unload };

// Points of the client area in pixels; the behaviour sees them as pixels x 15 twips.
const QPoint kPicture{400, 40};       // img_fuzzy only
const QPoint kVersionText{186, 120};  // txt_version over the picture

struct HostRig {
    WindowState state;
    FakeShell shell;
    QWidget mainWindow;
    QtAboutHost host{state, shell, &mainWindow};

    explicit HostRig(bool fromMenu) {
        state.AboutFromMenu = fromMenu;
        mainWindow.resize(368, 340);
        mainWindow.show();
    }
};

}  // namespace

class AboutWindowHostTest : public QObject {
    Q_OBJECT

private slots:
    void withItsCreditsLooksAsTheManualShowsIt() {
        HostRig r(true);
        r.host.showAboutModeless();
        AboutWindowView* view = r.host.view();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QCOMPARE(view->windowModality(), Qt::NonModal);
        QCOMPARE(view->windowType(), Qt::Dialog);
        // Press, move and release through the window system, which picks the widget that
        // receives each event (the release goes where the press went down).
        QTest::mousePress(view->windowHandle(), Qt::LeftButton, {}, kPicture);
        QTest::mouseMove(view->windowHandle(), kVersionText);
        QTest::mouseRelease(view->windowHandle(), Qt::LeftButton, {}, kVersionText);
        QCOMPARE(pixelsUnlikeTheManual(*view, "about-window.png"), 0);
    }

    void modalShowingReturnsWhenTheWindowCloses_data() {
        QTest::addColumn<int>("closeBy");
        QTest::newRow("its own countdown") << int(CloseBy::Ticks);
        QTest::newRow("the window manager") << int(CloseBy::WindowManager);
        QTest::newRow("unloadAbout") << int(CloseBy::Unload);
    }
    void modalShowingReturnsWhenTheWindowCloses() {
        QFETCH(int, closeBy);
        HostRig r(false);
        bool blockingSplash = false;
        int mainWindowTicks = 0;
        QTimer mainWindowTimer;
        QObject::connect(&mainWindowTimer, &QTimer::timeout, [&] { ++mainWindowTicks; });
        mainWindowTimer.start(0);

        auto closeIt = [&] {
            AboutWindowView* view = r.host.view();
            QVERIFY(view);
            QVERIFY(QTest::qWaitForWindowExposed(view));
            blockingSplash = QGuiApplication::modalWindow() == view->windowHandle() &&
                             view->windowModality() == Qt::WindowModal &&
                             view->windowType() == Qt::SplashScreen &&
                             view->windowFlags().testFlag(Qt::FramelessWindowHint);
            switch (static_cast<CloseBy>(closeBy)) {
                case CloseBy::Ticks: {
                    // Timer1's ticks, as its timeout delivers them.
                    QTimer* timer = view->findChild<QTimer*>("Timer1");
                    QVERIFY(timer);
                    while (r.host.aboutLoaded()) {
                        QVERIFY(timer->isActive());
                        QMetaObject::invokeMethod(timer, "timeout");
                    }
                    break;
                }
                case CloseBy::WindowManager:
                    view->close();
                    break;
                case CloseBy::Unload:
                    r.host.unloadAbout();
                    break;
            }
        };
        bool timedOut = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            timedOut = true;
            r.host.unloadAbout();
        });
        watchdog.start(10000);
        QTimer::singleShot(0, closeIt);

        r.host.showAboutModal();
        QVERIFY(!timedOut);
        QVERIFY(!r.host.aboutLoaded());
        QVERIFY(blockingSplash);
        QVERIFY(mainWindowTicks > 0);
        QCOMPARE(QGuiApplication::modalWindow(), nullptr);
    }
};

}  // namespace vq72::test

QTEST_MAIN(vq72::test::AboutWindowHostTest)
#include "about_window_host_test.moc"
