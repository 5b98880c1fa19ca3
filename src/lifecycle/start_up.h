// SPDX-License-Identifier: MIT
// The start-up sequence Form_Load: shared state, a second start, settings, command line,
// the port start-up, the window size and the default display options.
#pragma once

#include <functional>
#include <vector>

#include "device/settings_store.h"
#include "platform/app_services.h"
#include "window/control.h"
#include "window/report.h"
#include "window/timer.h"
#include "window/window_frame.h"
#include "window/window_state.h"

namespace vq72 {

class StartUp {
public:
    static constexpr int kOuterHeightTwips = 5800;
    static constexpr int kOuterWidthTwips = 5600;
    static constexpr int kDefaultLocation = 1;  // "Top Center"
    static constexpr int kDefaultColour = 0;    // "White on Black"

    StartUp(Control& Text_input, std::vector<Control>& opt_location,
            std::vector<Control>& opt_BK_WT, Timer& tmrSplash, WindowFrame& frame,
            WindowState& state, ReportRoutine& report, SettingsStore& settings, AppServices& app,
            std::function<void()> portStartUp)
        : Text_input_(Text_input),
          opt_location_(opt_location),
          opt_BK_WT_(opt_BK_WT),
          tmrSplash_(tmrSplash),
          frame_(frame),
          startUp_(state),
          selection_(state),
          report_(report),
          settings_(settings),
          app_(app),
          portStartUp_(std::move(portStartUp)) {}

    void Form_Load();

private:
    Control& Text_input_;
    std::vector<Control>& opt_location_;
    std::vector<Control>& opt_BK_WT_;
    Timer& tmrSplash_;
    WindowFrame& frame_;
    StartUpFlags& startUp_;
    PortSelection& selection_;
    ReportRoutine& report_;
    SettingsStore& settings_;
    AppServices& app_;
    std::function<void()> portStartUp_;
};

}  // namespace vq72
