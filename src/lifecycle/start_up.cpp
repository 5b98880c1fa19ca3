// SPDX-License-Identifier: MIT
#include "lifecycle/start_up.h"

#include "lifecycle/command_line.h"
#include "lifecycle/end_task.h"
#include "window/guard.h"

namespace vq72 {

void StartUp::Form_Load() {
    ReportingGuard step(report_, "Form_Load");

    startUp_.FormLoading = true;
    startUp_.AppName = kAppTitle;

    bool secondStart = false;
    step([&] { secondStart = app_.previousInstance(); });
    if (secondStart) {
        step([&] { app_.activate(kAppTitle); });
        step([&] { EndTask(app_, startUp_.AppName); });
    } else {
        tmrSplash_.setEnabled(true);
    }

    step([&] { settings_.GetRegSetting(kAppTitle, kFormInitSection, "LogoSelect", "1"); });

    selection_.SkipComPort = kNoSkippedPort;
    step([&] { selection_.SkipComPort = parseSkipCom(app_.commandLine()); });

    if (portStartUp_) portStartUp_();

    frame_.setOuterHeightTwips(kOuterHeightTwips);
    frame_.setOuterWidthTwips(kOuterWidthTwips);

    startUp_.FormLoading = false;

    step([&] { opt_location_[kDefaultLocation].setValue(true); });
    step([&] { opt_BK_WT_[kDefaultColour].setValue(true); });
    Text_input_.setText("");
}

}  // namespace vq72
