// SPDX-License-Identifier: MIT
// The main window view over the real logic: layout, focus, text entry, menus, model changes,
// the routes of clicks and closing to the handlers, and the timers on QTimer.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include "gui/manual_picture.h"
#include "gui/view_fixture.h"
#include "support/harness.h"
#include "ui/design_colour.h"
#include "ui/timer_driver.h"
#include "window/caption_colour.h"

namespace vq72::test {
namespace {

// The contrast of a control's caption as the window shows it: between the background inside
// its border and the pixel farthest from it, the text's.
double captionContrast(QWidget* control) {
    const QRect place(control->mapTo(control->window(), QPoint(4, 4)),
                      control->size() - QSize(8, 8));
    const QImage image = control->window()->grab(place).toImage();
    const Colour back = toColour(image.pixelColor(0, 0));
    double most = 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            most = std::max(most, contrastRatio(back, toColour(image.pixelColor(x, y))));
        }
    }
    return most;
}

}  // namespace

class MainWindowViewTest : public QObject {
    Q_OBJECT
private slots:
    void windowLooksAsTheManualShowsItWithAndWithoutAReport() {
        ViewFixture f;
        f.load();
        f.clock.step();  // the character count shows
        // The picture shows the window without the keyboard focus.
        if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
        QCOMPARE(pixelsUnlikeTheManual(f.view, "main-window.png"), 0);

        // The saved port has no device behind it: the report shows over the options.
        ViewFixture missing;
        missing.settings.values[Harness::path("ComPort")] = " 5";
        missing.load();
        missing.clock.step();
        if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
        QCOMPARE(pixelsUnlikeTheManual(missing.view, "report-panel.png"), 0);
    }

    void focusStartsInTextInputEachOptionGroupIsOneTabStopAndArrowsMoveIt() {
        ViewFixture f;
        f.load();
        const auto focus = [&f] { return f.view.focusWidget(); };
        const auto location = [&f](int index) { return f.view.widgetFor("opt_location", index); };
        // The window opens with the focus in Text_input, the lowest tab position.
        QCOMPARE(focus(), f.view.widgetFor("Text_input"));
        // Its size is fixed: the window manager offers no maximise.
        QVERIFY(!f.view.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        f.view.widgetFor("txtCom")->setFocus();
        // Tab passes "Black on White" and stops at the selected option of each group.
        QTest::keyClick(focus(), Qt::Key_Tab);
        QCOMPARE(focus(), f.view.widgetFor("opt_BK_WT", 0));
        QTest::keyClick(focus(), Qt::Key_Tab);
        QCOMPARE(focus(), location(1));
        // Arrows select the neighbour in tab order, round the ends, and raise the click handler.
        QTest::keyClick(focus(), Qt::Key_Right);
        QCOMPARE(focus(), location(2));
        QVERIFY(f.w.opt_location[2].value() && !f.w.opt_location[1].value());
        QCOMPARE(f.w.Text_input.alignment(), TextAlign::Right);
        QTest::keyClick(focus(), Qt::Key_Up);
        QTest::keyClick(focus(), Qt::Key_Up);
        QTest::keyClick(focus(), Qt::Key_Left);
        QCOMPARE(focus(), location(8));
        QVERIFY(f.w.opt_location[8].value());
        QTest::keyClick(focus(), Qt::Key_Backtab);
        QCOMPARE(focus(), f.view.widgetFor("opt_BK_WT", 0));
    }

    void pasteAndInputMethodsLeaveOutWhatTheDeviceCannotShowAndKeepTwentyCharacters() {
        ViewFixture f;
        f.load();
        auto* box = qobject_cast<QLineEdit*>(f.view.widgetFor("Text_input"));
        QInputMethodEvent composed;  // text that an input method commits
        composed.setCommitString(QString::fromUtf8("a{\u00e9"));
        QCoreApplication::sendEvent(box, &composed);
        QCOMPARE(box->text(), QString("A"));
        box->clear();
        QApplication::clipboard()->setText(QString::fromUtf8("ab\u65e5\u672c\u00e9cd") +
                                           QString(30, QLatin1Char('7')));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), "ABCD" + QString(16, QLatin1Char('7')));
        QCOMPARE(f.w.Text_input.text(), "ABCD" + std::string(16, '7'));
    }

    void comMenuOpeningAndEntriesReachTheHandlers() {
        ViewFixture f;
        f.load();
        QMenu* com = f.view.menuFor("mnuCOM");
        com->popup(QPoint(0, 0));
        QVERIFY(f.w.state.RefreshPortsPending);
        com->close();

        f.w.mnuCOMsel(3).setText("COM3");
        f.w.mnuCOMsel(3).setToolTip("/dev/ttyS2");
        f.w.mnuCOMsel(3).setTag(" 3");
        f.w.mnuCOMsel(3).setVisible(true);
        QAction* entry = f.view.actionFor("mnuCOMsel", 3);
        QVERIFY(entry->isVisible());
        QCOMPARE(entry->text(), QString("COM3"));
        QCOMPARE(entry->toolTip(), QString("/dev/ttyS2"));
        entry->trigger();
        QCOMPARE(f.w.state.ComPortNumber, 3);
    }

    void exitUnloadsOnceAndEndsTheWindow() {
        ViewFixture f;
        f.load();
        QSignalSpy unloaded(&f.view, &MainWindowView::unloaded);
        QTest::mouseClick(f.view.widgetFor("cmd_button", 1), Qt::LeftButton);
        QVERIFY(!f.view.isVisible());
        QCOMPARE(unloaded.count(), 1);
        f.view.close();
        QCOMPARE(unloaded.count(), 1);
    }

    // The timer driver on the event loop: any event first runs the ticks due by then (here by
    // the test's clock), and the wake-up is set for the next tick that may act.
    void timerDriverRunsTheDueTicksFirstAndSleepsUntilTheNextThatMayAct() {
        ViewFixture f;
        f.load();
        qint64 now = 0;
        TimerDriver driver(f.w, f.program, [&now] { return now; });
        QEvent anything(QEvent::User);
        now = 10 * TickClock::kTickMs + 5;
        QCoreApplication::sendEvent(&f.view, &anything);
        QCOMPARE(driver.clock().steps(), 10L);
        driver.catchUp();
        const long next = driver.clock().nextDueTick();
        QVERIFY(next > 11);
        QCOMPARE(driver.wakeUpIntervalMs(), int(next * TickClock::kTickMs - now));
        // Far behind its wake-up (a suspended machine): the ticks beyond the most it runs late
        // are dropped.
        now += 3600 * 1000;
        QCoreApplication::sendEvent(&f.view, &anything);
        QCOMPARE(driver.clock().steps(), next + TimerDriver::kMostLateTicks);
    }

    // Under a dark theme the controls of fixed colours keep their captions readable, in every
    // colour that the status line and the port box take, back to the theme's; so does the
    // report's text of its own colour.
    void captionsOfFixedColoursStayReadableUnderADarkPalette() {
        const QPalette light = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(53, 53, 53)));
        ViewFixture f;  // its saved port has no device: "No Com Port", and the report shows
        f.settings.values[Harness::path("ComPort")] = " 5";
        f.load();
        for (Colour colour : {kRed, kMagenta, kGreen, kSystemWindowColour}) {
            f.w.lbl_txt_status.setBackColour(colour);
            f.w.txtCom.setBackColour(colour);
            QCoreApplication::processEvents();
            for (const char* name : {"lbl_txt_status", "txtCom", "cmd_button(0)", "cmd_button(1)",
                                     "cmd_button(2)", "lblErrMsg"}) {
                const double contrast = captionContrast(f.view.findChild<QWidget*>(name));
                QVERIFY2(
                    contrast >= kReadableContrast,
                    qPrintable(QString("%1 on %2: %3").arg(name).arg(colour, 0, 16).arg(contrast)));
            }
        }
        QApplication::setPalette(light);
    }
};

}  // namespace vq72::test

QTEST_MAIN(vq72::test::MainWindowViewTest)
#include "main_window_view_test.moc"
