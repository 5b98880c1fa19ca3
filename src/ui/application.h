// SPDX-License-Identifier: MIT
// The program composed: the Qt platform services, the logic (Program) over them, the main
// window view and its timers. start() runs the window's load and shows it; exec() runs the
// event loop until the window has unloaded.
#pragma once

#include <QStringList>
#include <memory>

#include "app/program.h"
#include "device/traced_serial_control.h"
#include "platform/posix/trace_file.h"
#include "platform/qt/qt_serial_control.h"
#include "platform/qt/qt_settings_backing.h"
#include "platform/qt/termination_signals.h"
#include "platform/qt_widgets/qt_app_services.h"
#include "platform/qt_widgets/qt_shell.h"
#include "platform/simulator/simulator_process.h"
#include "ui/about_window_host.h"
#include "ui/launch_options.h"
#include "ui/main_window_view.h"
#include "ui/simulated_monitor_view.h"
#include "ui/timer_driver.h"
#include "ui/window_beside.h"

namespace vq72 {

class Application {
public:
    // Needs a QApplication. Throws SimulatorFailure when the demo's simulated device cannot
    // start.
    explicit Application(const LaunchOptions& options);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void start();
    int exec();

private:
    // SIGTERM, SIGINT or SIGHUP: the window unloads through its normal shutdown, at once or, while
    // it loads, as soon as the load is through; modal windows close.
    void terminate();

    bool splash_;
    // The demo's simulated device comes first: the serial control's port map names its port.
    std::unique_ptr<SimulatorProcess> demo_;
    QtSettingsBacking settings_;
    QtSerialControl serial_;
    // With VQ72_OSD_TRACE: the program reaches the port through the trace, which writes to the
    // file that variable names.
    std::unique_ptr<posix::TraceFile> traceFile_;
    std::unique_ptr<TracedSerialControl> traced_;
    QtShell shell_;
    QtAppServices app_;
    // The window's model and view, and the About window's host over them; the program is built
    // over these and handles the window's events. The host outlives the program, which may
    // unload the About window last.
    MainWindowModel window_;
    MainWindowView view_{window_};
    QtAboutHost about_{window_.state, shell_, &view_};
    Program program_;
    // Started once the window has loaded: no tick runs during the load, so the splash (or
    // --no-splash) is settled before the first one.
    std::unique_ptr<TimerDriver> timers_;
    TerminationSignals termination_;
    std::unique_ptr<SimulatedMonitorView> monitor_;
    std::unique_ptr<WindowBeside> monitorBeside_;
    bool loading_ = false;
    bool terminating_ = false;
    bool unloaded_ = false;
};

}  // namespace vq72
