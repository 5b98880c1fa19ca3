// The whole program over the real Qt serial control and settings backing, against the simulated
// device on a pseudo-terminal, with time driven by the manual clock. Before every tick the line
// settles: pending serial events run, and whatever the device owes in answer to the commands
// written so far reaches the program first, so ticks never outrun the wire (bounded I/O waits).
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QCoreApplication>
#include <QSettings>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "device/port_map.h"
#include "device/settings_store.h"
#include "event_wait.h"
#include "platform/qt/qt_serial_control.h"
#include "platform/qt/qt_settings_backing.h"
#include "recording_settings_backing.h"
#include "sim/simulated_device.h"
#include "support/fakes.h"
#include "support/manual_clock.h"
#include "support/observed_serial_control.h"
#include "support/report_spy.h"
#include "support/status_timeline.h"

namespace vq72::test {

class ProgramOnSimulator : public testing::Test {
protected:
    static constexpr int kPort = 1;
    static constexpr int kSettleLimitTicks = 200;
    // From one "CTS" to the next, plus a few ticks for the reply's quiet time.
    static constexpr int kPollLimitTicks = 110;
    static constexpr const char* kFound = "VQ72xx Found";

    ProgramOnSimulator() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QString::fromStdString(dir_ + "/config"));
        app.onDoEvents = [] { QCoreApplication::processEvents(); };
        clock.between = [this] { letTheLineSettle(); };
    }
    void TearDown() override {
        control_.setPortOpen(false);
        device_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    static std::string settingPath(const std::string& name) {
        return SettingsStore::buildPath(kAppTitle, kFormInitSection, name);
    }

    // Starts the device with `options` on the port's link and loads the program with port 1
    // saved as "ComPort".
    void start(sim::Options options = {}) {
        options.linkPath = link();
        device_ = std::make_unique<sim::SimulatedDevice>(std::move(options));
        device_->start();
        storedSettings_.write(settingPath("ComPort"), " 1");
        program.Form_Load();
    }
    sim::SimulatedDevice& device() { return *device_; }

    // Ticks until the port has settled after its opening.
    bool portSettles() {
        return clock.runUntil([&] { return w.state.PortReady; }, kSettleLimitTicks) >= 0;
    }
    // Ticks until the status line shows `text`; false when it did not within `limit` ticks.
    bool statusWithin(const std::string& text, int limit) {
        return clock.runUntil([&] { return w.lbl_txt_status.text() == text; }, limit) >= 0;
    }
    // Ticks until the program writes its next command.
    bool nextWriteWithin(int limit) {
        const std::size_t before = serial.written.size();
        return clock.runUntil([&] { return serial.written.size() > before; }, limit) >= 0;
    }
    // Waits until the device has sent everything it queued, notices included.
    bool deviceHasSentEverything() {
        return processEventsUntil([&] { return device_->pendingBursts() == 0 && lineRead(); });
    }
    // The reports that showed the error panel (port-scan probes fill it silently).
    using Report = ReportSpy::Report;
    std::vector<ReportSpy::Report> shownReports() const {
        std::vector<ReportSpy::Report> shown;
        for (const auto& r : reports.reports) {
            if (r.title != ReportRoutine::kQuietTitle) shown.push_back(r);
        }
        return shown;
    }

    // The clock's hook between ticks: lets serial events run and waits until every command
    // written so far has reached the device and its answers have reached the program. After
    // one such wait has failed, the test goes on without waiting, to its own failures.
    void letTheLineSettle() {
        QCoreApplication::processEvents();
        if (!device_ || lineFailed_) return;
        if (!processEventsUntil([&] { return answersDelivered(); })) {
            lineFailed_ = true;
            ADD_FAILURE() << "the device did not take every command, or its answers did not "
                             "reach the program";
        }
    }

private:
    static std::string makeTemporaryFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vq72-program-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) return {};
        return pattern;
    }
    std::string link() const { return dir_ + "/port"; }

    bool lineRead() const { return device_->unreadByHost() == 0 || !control_.portOpen(); }
    bool answersDelivered() const {
        return device_->log().size() >= serial.written.size() && device_->pendingAnswers() == 0 &&
               lineRead();
    }

    std::string dir_ = makeTemporaryFolder();
    QtSerialControl control_{PortMap::parse(std::to_string(kPort) + "=" + link()), dir_};
    QtSettingsBacking storedSettings_;
    std::unique_ptr<sim::SimulatedDevice> device_;
    bool lineFailed_ = false;

protected:
    ObservedSerialControl serial{control_};
    RecordingSettingsBacking settings{storedSettings_};
    FakeShell shell;
    FakeAppServices app;
    FakeWindowSystem windows;
    Program program{Platform{serial, settings, shell, app, windows, windows}};
    MainWindowModel& w = program.frm_VQ72xx;
    ManualClock clock{w, program};
    ReportSpy reports{w};
    StatusTimeline status{w, clock};
};

}  // namespace vq72::test
