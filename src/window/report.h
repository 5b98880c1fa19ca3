// The report routine and the error panel: ShowError fills frameError, the OK button and a
// 70-tick countdown hide it again.
#pragma once

#include <string>

#include "window/main_window_model.h"

namespace vq72 {

class ReportRoutine {
public:
    static constexpr int kPanelTicks = 70;
    // Port-scan probes report under this title; they fill the panel without showing it.
    static constexpr const char* kQuietTitle = "FindComs";

    explicit ReportRoutine(MainWindowModel& window) : w_(window) {}

    void ShowError(const std::string& message, const std::string& title);
    void cmdErrOK_Click();
    // One supervision tick of the auto-hide countdown.
    void tickErrorPanel();

private:
    MainWindowModel& w_;
};

}  // namespace vq72
