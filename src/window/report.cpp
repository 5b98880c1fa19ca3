// SPDX-License-Identifier: MIT
#include "window/report.h"

namespace vq72 {
namespace {
const Rect kPanelPlace{90, 70, 219, 119};
}

void ReportRoutine::ShowError(const std::string& message, const std::string& title) {
    frameError_.setText(title);
    frameError_.move(kPanelPlace);
    if (frameError_.visible()) {
        lblErrMsg_.setText(lblErrMsg_.text() + "\r\n" + message);
    } else {
        lblErrMsg_.setText(message);
    }
    ErrorPanelTicks = kPanelTicks;
    if (title != kQuietTitle) frameError_.setVisible(true);
}

void ReportRoutine::cmdErrOK_Click() {
    ErrorPanelTicks = 0;
    frameError_.setVisible(false);
}

void ReportRoutine::tickErrorPanel() {
    int& ticks = ErrorPanelTicks;
    if (ticks > 0) {
        --ticks;
    } else if (ticks == 0) {
        ticks = -1;
        frameError_.setVisible(false);
    }
}

}  // namespace vq72
