// The start-up sequence Form_Load: shared state, a second start, settings, command line,
// the port start-up, the window size and the default display options.
#pragma once

#include <functional>

#include "device/settings_store.h"
#include "platform/app_services.h"
#include "window/main_window_model.h"
#include "window/report.h"

namespace vq72 {

class StartUp {
public:
    static constexpr int kOuterHeightTwips = 5800;
    static constexpr int kOuterWidthTwips = 5600;
    static constexpr int kDefaultLocation = 1;  // "Top Center"
    static constexpr int kDefaultColour = 0;    // "White on Black"

    StartUp(MainWindowModel& window, ReportRoutine& report, SettingsStore& settings,
            AppServices& app, std::function<void()> portStartUp)
        : w_(window),
          report_(report),
          settings_(settings),
          app_(app),
          portStartUp_(std::move(portStartUp)) {}

    void Form_Load();

private:
    MainWindowModel& w_;
    ReportRoutine& report_;
    SettingsStore& settings_;
    AppServices& app_;
    std::function<void()> portStartUp_;
};

}  // namespace vq72
