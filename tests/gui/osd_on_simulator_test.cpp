// The main task end to end: keys and clicks on the real window, the real serial control, and
// the simulated VQ7240 on a pseudo-terminal, with the ticks driven by the manual clock.
#include <QLineEdit>
#include <QThread>
#include <QtTest>

#include <memory>

#include "app/program.h"
#include "device/port_map.h"
#include "gui/gui_test_registry.h"
#include "platform/qt/qt_serial_control.h"
#include "sim/simulated_device.h"
#include "support/fakes.h"
#include "support/manual_clock.h"
#include "ui/main_window_view.h"
#include "ui/window_closer.h"

namespace vq72::test {
namespace {

constexpr int kTickBound = 2000;
constexpr int kStepMs = 3;  // more than two bytes' time at 9600 baud
const std::string kHelloBottomRightBlackOnWhite =
    "OSD 43 54 54 14 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 48 45 4C 4C 4F "
    "10 33 33 06 33 06 34 06 38 13 0D 0A";
const std::string kBlankBottomRightBlackOnWhite =
    "OSD 43 54 54 14 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 "
    "10 33 33 06 33 06 34 06 38 13 0D 0A";

// The program on a device that answers; the port "COM1" is the saved one.
struct DeviceRig {
    explicit DeviceRig(sim::Options options) : device(std::move(options)) {
        device.start();
        serial = std::make_unique<QtSerialControl>(PortMap::parse("1=" + device.portPath()));
        settings.values["HKEY_LOCAL_MACHINE\\SOFTWARE\\Flarn\\VQ72_OSD\\FormInit\\ComPort"] = " 1";
        app.onDoEvents = [] { QCoreApplication::processEvents(); };
        program = std::make_unique<Program>(Platform{*serial, settings, shell, app, host, about});
        view = std::make_unique<MainWindowView>(program->frm_VQ72xx, *program);
        host.attach(view.get());
        clock = std::make_unique<ManualClock>(program->frm_VQ72xx, *program);
        // Each 25 ms step lets the pseudo-terminal's bytes arrive, so that a reply is not cut
        // into pieces by a quiet time that passes faster than the wire: waiting for I/O.
        clock->between = [] {
            QCoreApplication::processEvents();
            QThread::msleep(kStepMs);
            QCoreApplication::processEvents();
        };
    }
    ~DeviceRig() {
        view.reset();
        program.reset();
        serial.reset();
        device.stop();
    }

    MainWindowModel& w() { return program->frm_VQ72xx; }
    QWidget* widget(const std::string& name, int index = -1) {
        return view->widgetFor(name, index);
    }
    bool stepUntil(const std::function<bool()>& done) {
        return clock->runUntil(done, kTickBound) >= 0;
    }
    int logged(const std::string& kind) {
        int n = 0;
        for (const std::string& line : device.log()) n += line.rfind(kind + " ", 0) == 0;
        return n;
    }
    bool logHolds(const std::string& line) {
        for (const std::string& l : device.log()) {
            if (l == line) return true;
        }
        return false;
    }

    sim::SimulatedDevice device;
    std::unique_ptr<QtSerialControl> serial;
    FakeSettingsBacking settings;
    FakeShell shell;
    FakeAppServices app;
    WindowCloser host;
    FakeWindowSystem about;
    std::unique_ptr<Program> program;
    std::unique_ptr<MainWindowView> view;
    std::unique_ptr<ManualClock> clock;
};

void loadUntilFound(DeviceRig& rig) {
    rig.program->Form_Load();
    rig.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.view.get()));
    QVERIFY(rig.stepUntil([&] { return rig.w().lbl_txt_status.text() == "VQ72xx Found"; }));
}

}  // namespace

class OsdOnSimulatorTest : public QObject {
    Q_OBJECT
private slots:
    void typedTextReachesTheDeviceAndTheStatusEndsDone() {
        DeviceRig rig{sim::Options{}};
        loadUntilFound(rig);

        QTest::keyClicks(rig.widget("Text_input"), "hello");
        QTest::mouseClick(rig.widget("opt_location", 8), Qt::LeftButton);
        QTest::mouseClick(rig.widget("opt_BK_WT", 1), Qt::LeftButton);
        QTest::mouseClick(rig.widget("cmd_button", 0), Qt::LeftButton);
        QVERIFY(rig.stepUntil([&] { return rig.w().lbl_txt_status.text() == "Done"; }));
        QCOMPARE(rig.w().lbl_txt_status.backColour(), kGreen);
        QVERIFY2(rig.logHolds(kHelloBottomRightBlackOnWhite), rig.device.log().back().c_str());
        QCOMPARE(rig.logged("OSD"), 1);

        // BLANK clears the device's text at the same place; the box keeps what was typed.
        QTest::mouseClick(rig.widget("cmd_button", 2), Qt::LeftButton);
        QVERIFY(rig.stepUntil([&] { return rig.w().lbl_txt_status.text() == "Done"; }));
        QVERIFY(rig.logHolds(kBlankBottomRightBlackOnWhite));
        QCOMPARE(qobject_cast<QLineEdit*>(rig.widget("Text_input"))->text(), QString("HELLO"));
        QCOMPARE(rig.logged("BAD"), 0);
    }

    void saveDuringAPollReplyStillSendsTheWholeCommand() {
        sim::Options paced;
        paced.pace = true;
        DeviceRig rig{paced};
        loadUntilFound(rig);
        QTest::keyClicks(rig.widget("Text_input"), "hello");
        QTest::mouseClick(rig.widget("opt_location", 8), Qt::LeftButton);
        QTest::mouseClick(rig.widget("opt_BK_WT", 1), Qt::LeftButton);

        // The next poll's reply is being collected: its quiet time has started.
        QVERIFY(rig.stepUntil([&] { return rig.w().state.RxWaitTicks > 0; }));
        QTest::mouseClick(rig.widget("cmd_button", 0), Qt::LeftButton);
        QVERIFY(rig.stepUntil([&] { return rig.logged("OSD") == 1; }));
        QVERIFY(rig.logHolds(kHelloBottomRightBlackOnWhite));
        QCOMPARE(rig.logged("BAD"), 0);
        QVERIFY(rig.stepUntil([&] { return rig.w().lbl_txt_status.text() == "Done"; }));
    }
};

namespace {
const RegisterGuiTest<OsdOnSimulatorTest> registered;
}

}  // namespace vq72::test

#include "osd_on_simulator_test.moc"
