// The About window's host: one window at a time, brought forward when opened again, shown
// modally until it closes by any means, and unloaded whenever it closes.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QtTest/QTest>
#include <functional>

#include "gui/about_gui_support.h"
#include "gui/gui_test_registry.h"
#include "gui/manual_picture.h"
#include "support/fakes.h"
#include "ui/about_window_host.h"

namespace vq72::test {
namespace {

enum class CloseBy { Ticks, WindowManager, Unload };

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
    bool creditsShown() const { return host.view()->findChild<QLabel*>("lblPendric")->isVisible(); }
};

void deleteUnloadedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class AboutWindowHostTest : public QObject {
    Q_OBJECT

private slots:
    void windowWithItsCreditsLooksAsTheManualShowsIt() {
        HostRig r(true);
        r.host.showAboutModeless();
        AboutWindowView* view = r.host.view();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        test::drag(view, test::kPicture, test::kVersionText);
        QCOMPARE(pixelsUnlikeTheManual(*view, "about-window.png"), 0);
    }

    void openingItAgainBringsTheSameWindowForwardAndItsCountdownGoesOn() {
        HostRig r(false);  // the short lifetime: closes on its third tick
        r.host.showAboutModeless();
        AboutWindowView* first = r.host.view();
        QVERIFY(first);
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QCOMPARE(first->windowModality(), Qt::NonModal);
        test::drag(first, test::kPicture, test::kVersionText);
        QVERIFY(r.creditsShown());
        test::tickTimer1(first);

        r.host.showAboutModeless();
        QCOMPARE(r.host.view(), first);
        QVERIFY(first->isVisible());
        QVERIFY(r.creditsShown());
        test::tickTimer1(first);
        QVERIFY(r.host.aboutLoaded());
        test::tickTimer1(first);
        QVERIFY(!r.host.aboutLoaded());
    }

    void closingUnloadsItAndTheNextOpeningStartsAfresh() {
        HostRig r(true);
        r.host.showAboutModeless();
        QPointer<AboutWindowView> first = r.host.view();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        test::drag(first, test::kPicture, test::kVersionText);
        QTest::keyClick(first, Qt::Key_X);
        QVERIFY(!r.host.aboutLoaded());
        QVERIFY(!r.host.view());
        QVERIFY(!first->isVisible());
        deleteUnloadedWindows();
        QVERIFY(first.isNull());

        r.host.showAboutModeless();
        QVERIFY(r.host.view());
        QVERIFY(!r.creditsShown());
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
        bool blockedMainWindow = false;
        int mainWindowTicks = 0;
        QTimer mainWindowTimer;
        QObject::connect(&mainWindowTimer, &QTimer::timeout, [&] { ++mainWindowTicks; });
        mainWindowTimer.start(0);

        auto closeIt = [&] {
            AboutWindowView* view = r.host.view();
            QVERIFY(view);
            QVERIFY(QTest::qWaitForWindowExposed(view));
            blockedMainWindow = QGuiApplication::modalWindow() == view->windowHandle() &&
                                view->windowModality() == Qt::WindowModal;
            switch (static_cast<CloseBy>(closeBy)) {
                case CloseBy::Ticks:
                    while (r.host.aboutLoaded()) test::tickTimer1(view);
                    break;
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
        QVERIFY(blockedMainWindow);
        QVERIFY(mainWindowTicks > 0);
        QCOMPARE(QGuiApplication::modalWindow(), nullptr);
    }
};

namespace {
const RegisterGuiTest<AboutWindowHostTest> registered;
}

}  // namespace vq72::test

#include "about_window_host_test.moc"
