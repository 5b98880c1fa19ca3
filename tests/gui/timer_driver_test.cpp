// The model's timers on QTimer: they follow the model's enabled flag and keep their phase
// when enabled again.
#include <QTimer>
#include <QtTest>

#include "gui/gui_test_registry.h"
#include "gui/view_fixture.h"
#include "ui/timer_driver.h"

namespace vq72::test {

class TimerDriverTest : public QObject {
    Q_OBJECT
private slots:
    void timersFollowTheModel() {
        ViewFixture f;
        TimerDriver driver(f.w, f.program);
        const QTimer* tick = driver.timerFor(f.w.tmr_Delay);
        const QTimer* settle = driver.timerFor(f.w.tmrComInit);
        const QTimer* splash = driver.timerFor(f.w.tmrSplash);
        QVERIFY(tick->isActive());
        QCOMPARE(tick->interval(), 25);
        QCOMPARE(tick->timerType(), Qt::PreciseTimer);
        QVERIFY(!settle->isActive());
        QVERIFY(!splash->isActive());
        QCOMPARE(settle->interval(), 100);

        f.w.tmrComInit.setEnabled(true);
        QVERIFY(settle->isActive());
        const int id = settle->timerId();
        // Enabling an enabled timer must not restart it (QTimer::start() would).
        f.w.tmrComInit.setEnabled(true);
        QCOMPARE(settle->timerId(), id);
        f.w.tmrComInit.setEnabled(false);
        QVERIFY(!settle->isActive());
        f.w.tmr_Delay.setEnabled(false);
        QVERIFY(!tick->isActive());
    }
};

namespace {
const RegisterGuiTest<TimerDriverTest> registered;
}

}  // namespace vq72::test

#include "timer_driver_test.moc"
