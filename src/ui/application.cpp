// SPDX-License-Identifier: MIT
#include "ui/application.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <cstdlib>
#include <iostream>

#include "device/port_map.h"
#include "ui/program_icon.h"
#include "vq72/version.h"
#include "window/window_placement.h"

namespace vq72 {
namespace {

QStringList toQStringList(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) list << QString::fromStdString(text);
    return list;
}

// The demo's simulated device is port 1, and the demo keeps a settings file of its own, so that
// the user's saved port is never touched.
constexpr int kDemoPort = 1;
constexpr const char* kDemoSettingsSuffix = "-demo";

// The run's port map; entries left out of it are named once, on standard error.
PortMap portMapFor(const SimulatorProcess* demo, SettingsBacking& settings) {
    if (demo != nullptr) return PortMap::parse(std::to_string(kDemoPort) + "=" + demo->portPath());
    PortMap map = PortMap::forRun(std::getenv(PortMap::kEnvironmentVariable), settings);
    for (const std::string& problem : map.problems()) std::cerr << "vq72-osd: " << problem << '\n';
    return map;
}

// The trace file that VQ72_OSD_TRACE names; none when it is not set, or (said once, on standard
// error) when it cannot be written: the program runs on untraced.
std::unique_ptr<posix::TraceFile> traceFileFor(const char* path) {
    if (path == nullptr || *path == '\0') return nullptr;
    auto file = std::make_unique<posix::TraceFile>(path);
    if (file->error().empty()) return file;
    std::cerr << "vq72-osd: " << file->error() << '\n';
    return nullptr;
}

constexpr const char* kTraceVariable = "VQ72_OSD_TRACE";

}  // namespace

Application::Application(const LaunchOptions& options)
    : splash_(options.splash),
      demo_(options.simulate ? std::make_unique<SimulatorProcess>(QStringList{"--screen-lines"})
                             : nullptr),
      settings_(demo_ ? kDemoSettingsSuffix : ""),
      serial_(portMapFor(demo_.get(), settings_)),
      traceFile_(traceFileFor(std::getenv(kTraceVariable))),
      traced_(traceFile_ ? std::make_unique<TracedSerialControl>(
                               serial_, [file = traceFile_.get()](
                                            const std::string& line) { file->write(line); })
                         : nullptr),
      app_(toQStringList(options.commandLine)),
      program_(window_, Platform{traced_ ? static_cast<SerialControl&>(*traced_) : serial_,
                                 settings_, shell_, app_, view_, about_}) {
    app_.setMainWindow(&view_);
    // Desktops match the windows to the installed desktop entry by this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(version::kDesktopId));
    // The program ends when its window has unloaded, whatever other window is still open.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&view_, &MainWindowView::unloaded, qApp, [this] { unloaded_ = true; });
    QObject::connect(&view_, &MainWindowView::unloaded, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(&termination_, &TerminationSignals::terminationRequested, qApp,
                     [this] { terminate(); });
}

void Application::start() {
    if (demo_) {
        // The demo starts with its device chosen, as if its port had been picked before.
        program_.settings().SaveRegSetting(kAppTitle, kFormInitSection, "ComPort",
                                           " " + std::to_string(kDemoPort));
        monitor_ = std::make_unique<SimulatedMonitorView>(*demo_);
    }
    loading_ = true;
    program_.Form_Load();
    loading_ = false;
    if (!splash_) window_.tmrSplash.setEnabled(false);
    // A termination signal came while the load let events run: the window unloads now that the
    // load is through (a port it opened is closed).
    if (terminating_) view_.close();
    // The window may also have unloaded during the load, closed by a later instance.
    if (unloaded_) return;
    timers_ = std::make_unique<TimerDriver>(window_, program_);
    view_.setWindowIcon(programIcon());
    // The demo's two windows side by side: a window manager would centre the main window alone,
    // leaving the monitor no room beside it on a screen of 1280 pixels.
    if (monitor_) {
        const QRect area = view_.screen()->availableGeometry();
        const QSize size = view_.sizeHint();  // its layout's size: not shown, it has none yet
        const Rect at = placeMainOfPair(size.width(), size.height(), monitor_->width(),
                                        {area.left(), area.top(), area.width(), area.height()});
        view_.move(at.left, at.top);
    }
    view_.show();
    if (monitor_) {
        monitorBeside_ = std::make_unique<WindowBeside>(view_, *monitor_);
        monitor_->show();
    }
}

void Application::terminate() {
    terminating_ = true;
    app_.stop();
    // Modal windows run loops of their own, which the end of the program does not end: a
    // message box, and the start-up splash, close now.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !window->isModal()) continue;
        if (auto* dialog = qobject_cast<QDialog*>(window)) {
            dialog->reject();
        } else {
            window->close();
        }
    }
    if (!loading_) view_.close();
}

int Application::exec() {
    // Quitting before the event loop runs is lost, so an unload during start-up ends here.
    return unloaded_ ? 0 : QApplication::exec();
}

}  // namespace vq72
