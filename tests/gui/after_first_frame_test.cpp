// Work deferred past a window's first frame runs once, after that frame has been painted, or at
// its latest bound when no frame comes.
#include <QtTest>

#include "gui/gui_test_registry.h"
#include "platform/qt_widgets/after_first_frame.h"

namespace vq72::test {
namespace {

class CountedPaints : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* /*event*/) override { ++paints; }
};

}  // namespace

class AfterFirstFrameTest : public QObject {
    Q_OBJECT
private slots:
    void runsOnceAfterThePaintOfTheFirstFrame() {
        CountedPaints window;
        int runs = 0;
        int paintsBefore = -1;
        runAfterFirstFrame(&window, [&] {
            ++runs;
            paintsBefore = window.paints;
        });
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);  // not shown, not painted
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(runs, 1);
        QVERIFY(paintsBefore >= 1);
        window.update();
        QTRY_VERIFY(window.paints > paintsBefore);
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
    }

    void aWindowThatIsNotPaintedGetsTheWorkAtTheLatestBound() {
        QWidget window;
        int runs = 0;
        runAfterFirstFrame(&window, [&] { ++runs; }, std::chrono::milliseconds(20));
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);
        QTRY_COMPARE(runs, 1);
    }
};

namespace {
const RegisterGuiTest<AfterFirstFrameTest> registered;
}

}  // namespace vq72::test

#include "after_first_frame_test.moc"
