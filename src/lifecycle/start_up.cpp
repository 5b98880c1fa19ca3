#include "lifecycle/start_up.h"

#include "lifecycle/command_line.h"
#include "lifecycle/end_task.h"
#include "window/guard.h"

namespace vq72 {

void StartUp::Form_Load() {
    ReportingGuard step(report_, "Form_Load");
    WindowState& s = w_.state;

    s.FormLoading = true;
    s.AppName = kAppTitle;

    bool secondStart = false;
    step([&] { secondStart = app_.previousInstance(); });
    if (secondStart) {
        step([&] { app_.activate(kAppTitle); });
        step([&] { EndTask(app_, s.AppName); });
    } else {
        w_.tmrSplash.setEnabled(true);
    }

    step([&] { settings_.GetRegSetting(kAppTitle, kFormInitSection, "LogoSelect", "1"); });

    s.SkipComPort = kNoSkippedPort;
    step([&] { s.SkipComPort = parseSkipCom(app_.commandLine()); });

    if (portStartUp_) portStartUp_();

    w_.setOuterHeightTwips(kOuterHeightTwips);
    w_.setOuterWidthTwips(kOuterWidthTwips);

    s.FormLoading = false;

    step([&] { w_.opt_location[kDefaultLocation].setValue(true); });
    step([&] { w_.opt_BK_WT[kDefaultColour].setValue(true); });
    w_.Text_input.setText("");
}

}  // namespace vq72
