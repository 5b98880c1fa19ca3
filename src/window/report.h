// SPDX-License-Identifier: MIT
// The report routine and the error panel: ShowError fills frameError, the OK button and a
// 70-tick countdown hide it again.
#pragma once

#include <string>

#include "window/control.h"
#include "window/main_window_events.h"

namespace vq72 {

class ReportRoutine {
public:
    static constexpr int kPanelTicks = 70;
    // Port-scan probes report under this title; they fill the panel without showing it.
    static constexpr const char* kQuietTitle = "FindComs";

    ReportRoutine(Control& frameError, Control& lblErrMsg)
        : frameError_(frameError), lblErrMsg_(lblErrMsg) {}

    void ShowError(const std::string& message, const std::string& title);
    void cmdErrOK_Click();
    // One supervision tick of the auto-hide countdown.
    void tickErrorPanel();

    // Ticks left until the panel hides; -1 once hidden by the countdown.
    int ErrorPanelTicks = 0;
    // Ticks until the countdown acts: the tick that finds 0 hides the panel.
    long ticksUntilDue() const {
        return ErrorPanelTicks < 0 ? DueTicks::kNever : ErrorPanelTicks + 1L;
    }

private:
    Control& frameError_;
    Control& lblErrMsg_;
};

}  // namespace vq72
