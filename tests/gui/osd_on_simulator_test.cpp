// The main task end to end: keys and clicks on the real window, the real serial control, and
// the simulated VQ7240 on a pseudo-terminal, with the ticks driven by the manual clock.
#include <QLineEdit>
#include <QtTest>
#include <algorithm>

#include "gui/gui_test_registry.h"
#include "support/program_on_link.h"
#include "ui/main_window_view.h"

namespace vq72::test {
namespace {

constexpr int kTickBound = 2000;
const std::string kHelloBottomRightBlackOnWhite =
    "OSD 43 54 54 14 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 48 45 4C 4C 4F "
    "10 33 33 06 33 06 34 06 38 13 0D 0A";
const std::string kBlankBottomRightBlackOnWhite =
    "OSD 43 54 54 14 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 "
    "10 33 33 06 33 06 34 06 38 13 0D 0A";

struct WindowOnLink : ProgramOnLink {
    MainWindowView view{w};

    QWidget* widget(const std::string& name, int index = -1) { return view.widgetFor(name, index); }
    bool logged(const std::string& line) {
        const auto log = device().log();
        return std::find(log.begin(), log.end(), line) != log.end();
    }
};

}  // namespace

class OsdOnSimulatorTest : public QObject {
    Q_OBJECT
private slots:
    void typedTextReachesTheDeviceAndTheStatusEndsDone() {
        WindowOnLink rig;
        rig.start();
        rig.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
        QVERIFY(rig.statusWithin("VQ72xx Found", kTickBound));

        QTest::keyClicks(rig.widget("Text_input"), "hello");
        QTest::mouseClick(rig.widget("opt_location", 8), Qt::LeftButton);
        QTest::mouseClick(rig.widget("opt_BK_WT", 1), Qt::LeftButton);
        QTest::mouseClick(rig.widget("cmd_button", 0), Qt::LeftButton);
        QVERIFY(rig.statusWithin("Done", kTickBound));
        QCOMPARE(rig.w.lbl_txt_status.backColour(), kGreen);
        QVERIFY(rig.logged(kHelloBottomRightBlackOnWhite));

        // BLANK clears the device's text at the same place; the box keeps what was typed.
        QTest::mouseClick(rig.widget("cmd_button", 2), Qt::LeftButton);
        QVERIFY(rig.statusWithin("Done", kTickBound));
        QVERIFY(rig.logged(kBlankBottomRightBlackOnWhite));
        QCOMPARE(qobject_cast<QLineEdit*>(rig.widget("Text_input"))->text(), QString("HELLO"));
        QVERIFY(!rig.lineFailed());
    }
};

namespace {
const RegisterGuiTest<OsdOnSimulatorTest> registered;
}

}  // namespace vq72::test

#include "osd_on_simulator_test.moc"
