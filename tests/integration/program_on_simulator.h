// The whole program against the simulated device on a pseudo-terminal, as a test fixture: the real
// Qt serial control (port 1 mapped to the device's link) and settings file, both in a scratch
// folder, fake desktop services, and ticks from the manual clock. Before every tick the line
// settles: pending serial events run, a network port being connected has connected or failed, and
// whatever the device owes in answer to the commands written so far reaches the program first, so
// ticks never outrun the wire (bounded I/O waits, not timing).
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "device/port_map.h"
#include "device/settings_store.h"
#include "platform/qt/qt_serial_control.h"
#include "platform/qt/qt_settings_backing.h"
#include "sim/simulated_device.h"
#include "support/event_wait.h"
#include "support/fakes.h"
#include "support/manual_clock.h"
#include "support/observed_serial_control.h"
#include "support/report_spy.h"
#include "support/scratch_folder.h"

namespace vq72::test {

class ProgramOnSimulator : public testing::Test {
protected:
    static constexpr int kPort = 1;
    static constexpr int kSettleLimitTicks = 200;
    // From one "CTS" to the next, plus a few ticks for the reply's quiet time.
    static constexpr int kPollLimitTicks = 110;
    static constexpr const char* kFound = "VQ72xx Found";

    void TearDown() override {
        EXPECT_FALSE(lineFailed())
            << "the device did not take every command, or its answers did not reach the program";
    }

    // Ticks until the program writes its next command.
    bool nextWriteWithin(int limit) {
        const std::size_t before = serial.written.size();
        return stepUntil([&] { return serial.written.size() > before; }, limit);
    }
    // The reports that showed the error panel (port-scan probes fill it silently).
    std::vector<ReportSpy::Report> shownReports() const {
        std::vector<ReportSpy::Report> shown;
        for (const auto& r : reports.reports) {
            if (r.title != ReportRoutine::kQuietTitle) shown.push_back(r);
        }
        return shown;
    }

    // `portEntry` (a network port in front of the device) replaces the link as port 1's device;
    // the line has then settled only once every byte the device sent has reached the program.
    explicit ProgramOnSimulator(std::string portEntry = {}) : portEntry_(std::move(portEntry)) {
        app.onDoEvents = [] { QCoreApplication::processEvents(); };
        clock.between = [this] { letTheLineSettle(); };
    }
    ~ProgramOnSimulator() override {
        control_.setPortOpen(false);
        device_.reset();
    }

    // Starts the device with `options` on the port's link and loads the program with port 1
    // saved as "ComPort".
    void start(sim::Options options = {}) {
        options.linkPath = link();
        device_ = std::make_unique<sim::SimulatedDevice>(std::move(options));
        device_->start();
        settings.write(SettingsStore::buildPath(kAppTitle, kFormInitSection, "ComPort"),
                       " " + std::to_string(kPort));
        program.Form_Load();
    }
    sim::SimulatedDevice& device() { return *device_; }

    // Ticks until `done` holds; false when it did not within `limit` ticks.
    bool stepUntil(const std::function<bool()>& done, int limit) {
        return clock.runUntil(done, limit) >= 0;
    }
    // Ticks until the status line shows `text`.
    bool statusWithin(const std::string& text, int limit) {
        return stepUntil([&] { return w.lbl_txt_status.text() == text; }, limit);
    }
    // The clock's hook between ticks: network ports that an open or a scan waits for have
    // connected or failed, and the device's answers are in. After one wait has failed, the test
    // goes on without waiting, to its own failures; lineFailed() tells.
    void letTheLineSettle() {
        QCoreApplication::processEvents();
        if (lineFailed_) return;
        lineFailed_ = !processEventsUntil([&] {
            const PortDiscovery& ports = program.ports();
            return !ports.OpenPending && !ports.ScanPending && (!device_ || answersDelivered());
        });
    }
    // Whether the device failed to take every command, or its answers to reach the program.
    bool lineFailed() const { return lineFailed_; }
    // The network server in front of the device has stopped: what the device sent that had not
    // reached the program when the connection ended is lost, not owed.
    void serverStopped() {
        processEventsUntil([&] { return !control_.portOpen(); });
        lostBytes_ = device_->sentBytes() - serial.arrived();
    }
    // The device's port, as a symbolic link.
    std::string link() const { return folder_.path("port"); }

private:
    static std::string settingsFolder(const ScratchFolder& folder) {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QString::fromStdString(folder.folder("config")));
        return folder.path("config");
    }
    bool lineRead() const { return device_->unreadByHost() == 0 || !control_.portOpen(); }
    bool answersDelivered() const {
        const auto log = device_->log();
        const auto frames = std::count_if(log.begin(), log.end(), [](const std::string& line) {
            return line.rfind("LINE ", 0) != 0;
        });
        return static_cast<std::size_t>(frames) >= serial.written.size() &&
               device_->pendingAnswers() == 0 && lineRead() &&
               (portEntry_.empty() || serial.arrived() + lostBytes_ >= device_->sentBytes());
    }

    ScratchFolder folder_;
    std::string settingsFolder_ = settingsFolder(folder_);
    std::string portEntry_;
    QtSerialControl control_{
        PortMap::parse(std::to_string(kPort) + "=" + (portEntry_.empty() ? link() : portEntry_)),
        folder_.folder("locks")};
    std::unique_ptr<sim::SimulatedDevice> device_;
    bool lineFailed_ = false;
    std::size_t lostBytes_ = 0;

protected:
    ObservedSerialControl serial{control_};
    QtSettingsBacking settings;
    FakeShell shell;
    FakeAppServices app;
    FakeWindowSystem windows;
    MainWindowModel w;
    Program program{w, Platform{serial, settings, shell, app, windows, windows}};
    ManualClock clock{w, program};
    ReportSpy reports{w};
};

}  // namespace vq72::test
